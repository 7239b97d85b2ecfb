#include "rangecard/range_card_graph.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "common/numbers.h"
#include "rangecard/range_card.h"

namespace deadhold {

namespace {

constexpr Color kBlue{0, 0, 255};
constexpr Color kGrey{160, 160, 160};

// Values to surface units along one axis.
struct Axis {
  double low;
  double high;
  double step;
  int from;  // surface position of `low`
  int to;    // surface position of `high`

  int at(double value) const {
    return from + cutToInt(std::round((value - low) / (high - low) * (to - from)));
  }
};

// An axis from and to round values around `low` and `high`, or (exact) from `low` to `high`,
// with its grid at round steps.
Axis roundAxis(double low, double high, int divisions, int from, int to, bool exact = false) {
  const double step = roundStep(high - low, divisions);
  if (exact) return {low, high, step, from, to};
  return {std::floor(low / step) * step, std::ceil(high / step) * step, step, from, to};
}

void line(Surface& surface, int x1, int y1, int x2, int y2) {
  surface.moveTo(x1, y1);
  surface.lineTo(x2, y2);
}

void curve(Surface& surface, const Axis& x, const Axis& y, const std::vector<PointMassRow>& rows,
           double PointMassRow::*value) {
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const int px = x.at(rows[i].range);
    const int py = y.at(rows[i].*value);
    if (i == 0) {
      surface.moveTo(px, py);
    } else {
      surface.lineTo(px, py);
    }
  }
}

}  // namespace

double roundStep(double span, int divisions) {
  const double raw = span / divisions;
  if (!(raw > 0) || !std::isfinite(raw)) return 1;
  const double power = std::pow(10, std::floor(std::log10(raw)));
  for (double multiple : {1.0, 2.0, 5.0})
    if (multiple * power >= raw * (1 - 1e-9)) return multiple * power;
  return 10 * power;
}

void drawRangeCardGraph(Surface& surface, const Rect& area, const std::vector<PointMassRow>& rows,
                        double scale) {
  const SurfaceStateGuard guard(surface);
  const int thin = std::max(1, cutToInt(scale));
  surface.setFont({"Arial", cutToInt(12 * scale), 400});
  const int cell = surface.measureText("0").height;

  double lowest = -10, highest = 10, farthest = 1000;
  if (!rows.empty()) {
    lowest = highest = 0;
    for (const PointMassRow& row : rows)
      for (double value : {row.path, row.windage}) {
        lowest = std::min(lowest, value);
        highest = std::max(highest, value);
      }
    if (highest - lowest < 2) highest = lowest + 2;
    farthest = std::max(rows.back().range, 10.0);
  }
  // The inch labels are as wide as the widest of them, the yard labels one line high.
  Axis y = roundAxis(lowest, highest, 6, area.bottom - 2 * cell, area.top + cell);
  int labelWidth = 0;
  for (double v = y.low; v <= y.high + y.step / 2; v += y.step)
    labelWidth = std::max(labelWidth, surface.measureText(shortNumber(v, 2)).width);
  const int left = area.left + labelWidth + cell / 2;
  const int right = area.right - cell;
  const Axis x =
      roundAxis(0, farthest, std::max(2, (right - left) / (6 * cell)), left, right, true);

  surface.setPen({PenStyle::Dotted, thin, kGrey});
  for (double v = y.low; v <= y.high + y.step / 2; v += y.step)
    line(surface, left, y.at(v), right, y.at(v));
  for (double v = x.low; v <= x.high + x.step / 1000; v += x.step)
    line(surface, x.at(v), y.to, x.at(v), y.from);

  for (double v = y.low; v <= y.high + y.step / 2; v += y.step) {
    const std::string label = shortNumber(v, 2);
    surface.drawText(left - cell / 4 - surface.measureText(label).width, y.at(v) - cell / 2, label);
  }
  for (double v = x.low; v <= x.high + x.step / 1000; v += x.step) {
    const std::string label = shortNumber(v, 0);
    surface.drawText(x.at(v) - surface.measureText(label).width / 2, y.from + cell / 4, label);
  }
  surface.drawText(area.left, y.from + cell / 2 + 1, "in");
  surface.drawText(right + cell / 4, y.from + cell / 4 + cell, "yd");

  surface.setPen({PenStyle::Solid, thin, kBlack});
  line(surface, left, y.to, right, y.to);
  line(surface, right, y.to, right, y.from);
  line(surface, right, y.from, left, y.from);
  line(surface, left, y.from, left, y.to);
  surface.setPen({PenStyle::Solid, 2 * thin, kBlack});
  line(surface, left, y.at(0), right, y.at(0));  // the line of sight

  if (rows.empty()) return;
  surface.setPen({PenStyle::Dotted, thin, kBlue});
  curve(surface, x, y, rows, &PointMassRow::windage);
  surface.setPen({PenStyle::Solid, thin, kRed});
  curve(surface, x, y, rows, &PointMassRow::path);

  // The legend, top right inside the frame.
  const int legendX = right - cell / 2 - surface.measureText("Wind drift").width;
  const int sample = 2 * cell;
  line(surface, legendX - sample - cell / 4, y.to + cell, legendX - cell / 4, y.to + cell);
  surface.drawText(legendX, y.to + cell / 2, "Path");
  surface.setPen({PenStyle::Dotted, thin, kBlue});
  line(surface, legendX - sample - cell / 4, y.to + 2 * cell, legendX - cell / 4, y.to + 2 * cell);
  surface.drawText(legendX, y.to + cell / 2 + cell, "Wind drift");
}

}  // namespace deadhold
