#include "engine/drag_table.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace deadhold {

namespace {

// The slopes at the points (Fritsch-Carlson, with the weights of Fritsch and Butland): zero at
// a local extreme, otherwise a weighted harmonic mean of the neighbouring secants, which keeps
// each piece between its end values.
std::vector<double> monotoneSlopes(std::span<const DragPoint> points) {
  const std::size_t n = points.size();
  std::vector<double> width(n - 1);
  std::vector<double> secant(n - 1);
  for (std::size_t i = 0; i + 1 < n; ++i) {
    width[i] = points[i + 1].mach - points[i].mach;
    secant[i] = (points[i + 1].cd - points[i].cd) / width[i];
  }
  std::vector<double> slopes(n);
  slopes.front() = secant.front();
  slopes.back() = secant.back();
  for (std::size_t i = 1; i + 1 < n; ++i) {
    const double before = secant[i - 1];
    const double after = secant[i];
    if (before * after <= 0) {
      slopes[i] = 0;
      continue;
    }
    const double w1 = 2 * width[i] + width[i - 1];
    const double w2 = width[i] + 2 * width[i - 1];
    slopes[i] = (w1 + w2) / (w1 / before + w2 / after);
  }
  return slopes;
}

}  // namespace

DragTable::DragTable(std::span<const DragPoint> points) {
  if (points.size() < 2) throw std::invalid_argument("a drag table needs two points at least");
  double narrowest = points[1].mach - points[0].mach;
  for (std::size_t i = 0; i + 1 < points.size(); ++i) {
    const double width = points[i + 1].mach - points[i].mach;
    if (!(width > 0)) throw std::invalid_argument("drag table points must rise in Mach number");
    narrowest = std::min(narrowest, width);
  }

  const std::vector<double> slopes = monotoneSlopes(points);
  for (std::size_t i = 0; i + 1 < points.size(); ++i) {
    const double h = points[i + 1].mach - points[i].mach;
    const double secant = (points[i + 1].cd - points[i].cd) / h;
    pieces_.push_back({points[i].mach, points[i].cd, slopes[i],
                       (3 * secant - 2 * slopes[i] - slopes[i + 1]) / h,
                       (slopes[i] + slopes[i + 1] - 2 * secant) / (h * h)});
  }
  firstMach_ = points.front().mach;
  lastMach_ = points.back().mach;
  lastCd_ = points.back().cd;

  cellsPerMach_ = 1 / narrowest;
  const auto cells = static_cast<std::size_t>(std::ceil((lastMach_ - firstMach_) * cellsPerMach_));
  std::size_t piece = 0;
  for (std::size_t cell = 0; cell <= cells; ++cell) {
    const double mach = firstMach_ + static_cast<double>(cell) / cellsPerMach_;
    while (piece + 1 < pieces_.size() && pieces_[piece + 1].mach <= mach) ++piece;
    pieceAtCell_.push_back(piece);
  }
}

const DragTable& DragTable::standard(DragFunction function) {
  static const DragTable g1(standardDragPoints(DragFunction::G1));
  static const DragTable g7(standardDragPoints(DragFunction::G7));
  return function == DragFunction::G7 ? g7 : g1;
}

}  // namespace deadhold
