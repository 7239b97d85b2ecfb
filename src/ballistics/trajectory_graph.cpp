#include "ballistics/trajectory_graph.h"

#include "common/cformat.h"
#include "common/numbers.h"

namespace deadhold {

namespace {

constexpr int kHighestTop = 5;          // inches
constexpr int kBandInches = 9;          // from the top edge to the bottom edge
constexpr int kLastDrawnRow = 999;      // row 1000 is never drawn
constexpr double kBaseWidth = 522;      // at widthScale 1
constexpr double kBaseCellHeight = 14;  // at fontScale 1
constexpr int kColumnsWithoutResults = 5;

const Pen kThinPen{PenStyle::Solid, 0, kBlack};
const Pen kFramePen{PenStyle::Solid, 2, kBlack};
const Pen kDottedPen{PenStyle::Dotted, 0, kBlack};
const Pen kTrajectoryPen{PenStyle::Solid, 1, kRed};

Font labelFont(double fontScale) {
  return Font{"Arial", cutToInt(kBaseCellHeight * fontScale), 400};
}

// T: one inch above the highest point the path reaches (counting whole inches), at most 5.
int topInches(const TrajectoryTable& table) {
  int highest = 0;
  for (int row = 0; row <= kLastDrawnRow; ++row)
    if (highest < table[row].elevation) ++highest;
  return highest + 1 < kHighestTop ? highest + 1 : kHighestTop;
}

// N: the 100-yard columns up to the last yard before the path falls to the bottom edge.
int columnCount(const TrajectoryTable& table, TrajectoryGraphFlags flags, int top) {
  if (!flags.resultsValid) return kColumnsWithoutResults;
  const double bottom = top - kBandInches;
  int first = 0;  // the path comes inside here
  while (first < kTableRows && table[first].elevation <= bottom) ++first;
  if (first == kTableRows) return 0;
  int edge = first + 1;
  while (edge < kTableRows - 1 && table[edge].elevation > bottom) ++edge;
  // Rows after an early stop of the computation are zero, not part of the path.
  int last = edge - 1;
  while (last > 0 && table[last].range != last) --last;
  const double lastRange = table[last].range;
  if (!(lastRange > 0)) return 0;
  int columns = cutToInt(lastRange / 100);
  if (columns * 100 < lastRange) ++columns;
  return columns;
}

}  // namespace

TrajectoryGraphGeometry trajectoryGraphGeometry(Surface& surface, const TrajectoryTable& table,
                                                TrajectoryGraphFlags flags, double widthScale,
                                                double fontScale) {
  TrajectoryGraphGeometry g;
  g.top = topInches(table);
  g.columns = columnCount(table, flags, g.top);
  const SurfaceStateGuard guard(surface);
  surface.setFont(labelFont(fontScale));
  const int c = surface.measureText("Hello World!").height;
  g.margin = c + c / 6;
  g.inch = g.margin - g.margin / 8;
  g.height = g.inch / 2 + 10 * g.inch;
  if (g.columns > 0) g.columnWidth = cutToInt((kBaseWidth * widthScale - g.margin) / g.columns);
  return g;
}

Rect drawTrajectoryGraph(Surface& surface, const TrajectoryTable& table, TrajectoryGraphFlags flags,
                         int x0, int y0, double widthScale, double fontScale) {
  const TrajectoryGraphGeometry g =
      trajectoryGraphGeometry(surface, table, flags, widthScale, fontScale);
  const SurfaceStateGuard guard(surface);
  surface.setFont(labelFont(fontScale));
  const int H = g.margin;
  const int m = g.inch;
  const int CW = g.columnWidth;
  const double W = kBaseWidth * widthScale;
  const Rect area{x0, y0, cutToInt(x0 + W), y0 + g.height};
  const int right1 = cutToInt(x0 + W - 1);
  const int axisX = x0 + H;
  const int line9 = 9 * m + y0;
  const auto line = [&surface](int xa, int ya, int xb, int yb) {
    surface.moveTo(xa, ya);
    surface.lineTo(xb, yb);
  };

  surface.setPen(kFramePen);
  surface.moveTo(area.left, area.top);
  surface.lineTo(right1, area.top);
  surface.lineTo(right1, area.top + g.height);
  surface.lineTo(area.left, area.top + g.height);
  surface.lineTo(area.left, area.top);

  surface.setPen(kDottedPen);
  for (int i = 1; i <= 9; ++i) {
    const int y = i * m + y0;
    line(axisX, y, right1, y);
    const std::string label = i < 9 ? cformat("%d", g.top - i) : "in";
    const int width = surface.measureText(label).width;
    surface.drawText(x0 + H - H / 6 - width, i * m + y0 - H / 2, label);
  }

  const int labelY = 9 * m + y0 + 2;
  // Narrow columns (ten of them in the printed graph) leave no room for every label beside
  // "0 yrds": a label that would run into the one before it is left out, never overprinted.
  const int labelGap = surface.measureText(" ").width;
  int labelsEnd = 0;
  for (int k = 0; k < g.columns; ++k) {
    const int X = k * CW;
    surface.setPen(kThinPen);
    line(X + H + x0, area.top, X + H + x0, line9);
    surface.setPen(kDottedPen);
    line(CW / 2 + X + H + x0, area.top, CW / 2 + X + H + x0, line9);
    const std::string label = k == 0 ? cformat("%d yrds", 0) : cformat("%d", k * 100);
    const int width = surface.measureText(label).width;
    const int labelX = k == 0 ? axisX : X + H + x0 - width / 2;
    if (k > 0 && labelX < labelsEnd + labelGap) continue;
    surface.drawText(labelX, labelY, label);
    labelsEnd = labelX + width;
  }

  const int yZero = g.top * m + y0;
  surface.setPen(kThinPen);
  for (int j = 0; j < 4 * g.columns; ++j) {
    const int x = cutToInt(j * CW * 0.25) + area.left + H;
    line(x, yZero - m / 4, x, yZero + m / 4);
  }

  surface.setPen(kFramePen);
  line(axisX, yZero, right1, yZero);
  surface.setPen(kThinPen);
  line(axisX, line9, right1, line9);
  line(area.left + H, area.top, axisX, line9);

  if (!flags.inputsInvalid) {
    surface.setPen(kTrajectoryPen);
    int previousX = 0;
    int previousY = 0;
    bool atPrevious = false;  // the surface's position is the previous point
    for (int row = 0; row <= kLastDrawnRow; ++row) {
      const int px = cutToInt(CW * table[row].range * 0.01 + x0 + H);
      const int py = cutToInt(g.top * m + y0 - m * table[row].elevation);
      const bool inside = axisX + 1 < px && px < right1 && y0 - 1 < py && py < line9;
      if (row > 0 && inside) {
        if (!atPrevious) surface.moveTo(previousX, previousY);
        surface.lineTo(px, py);
      }
      atPrevious = row > 0 && inside;
      previousX = px;
      previousY = py;
    }
  }
  return area;
}

}  // namespace deadhold
