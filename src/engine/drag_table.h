#pragma once

#include <span>
#include <vector>

namespace deadhold {

// The standard drag functions a ballistic coefficient can refer to: G1 (flat base) and G7 (long
// boat tail).
enum class DragFunction { G1, G7 };

struct DragPoint {
  double mach;
  double cd;
};

// The points of a standard drag function, compiled in from resources/drag.
std::span<const DragPoint> standardDragPoints(DragFunction function);

// A drag coefficient against Mach number, smooth between the points: a monotone piecewise cubic
// (Fritsch-Carlson), which keeps the transonic rise free of the overshoot a plain spline puts
// there. Outside the points it holds the first or last value.
class DragTable {
 public:
  // At least two points in strictly rising Mach order; anything else throws
  // std::invalid_argument.
  explicit DragTable(std::span<const DragPoint> points);

  // The table of a standard function, made once.
  static const DragTable& standard(DragFunction function);

  double dragCoefficient(double mach) const {
    if (!(mach > firstMach_)) return pieces_.front().cd;
    if (mach >= lastMach_) return lastCd_;
    std::size_t piece = pieceAtCell_[static_cast<std::size_t>((mach - firstMach_) * cellsPerMach_)];
    // A cell is never wider than the narrowest piece, so it spans at most two pieces.
    if (piece + 1 < pieces_.size() && pieces_[piece + 1].mach <= mach) ++piece;
    const Piece& p = pieces_[piece];
    const double d = mach - p.mach;
    return p.cd + d * (p.slope + d * (p.curve + d * p.cubic));
  }

 private:
  // cd = cd0 + slope d + curve d^2 + cubic d^3 with d = mach - mach0, from mach0 to the next.
  struct Piece {
    double mach;
    double cd;
    double slope;
    double curve;
    double cubic;
  };

  std::vector<Piece> pieces_;
  // For each cell of an even grid over the Mach range, the piece its lower edge falls in.
  std::vector<std::size_t> pieceAtCell_;
  double firstMach_;
  double lastMach_;
  double lastCd_;
  double cellsPerMach_;
};

}  // namespace deadhold
