#include "loadinfo/ladder_chart_drawing.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>

#include "common/cformat.h"
#include "common/numbers.h"
#include "platform/fitted_text.h"

namespace deadhold {
namespace {

const Color kVelocityColor{30, 90, 200};
const Color kGroupColor{200, 80, 30};
const Pen kFramePen{PenStyle::Solid, 1, kBlack};
const Pen kGridPen{PenStyle::Dotted, 0, Color{150, 150, 150}};

// A value axis: its range, its ticks and where it lies on the surface.
struct Axis {
  double low = 0.0;
  double high = 1.0;
  int from = 0;  // surface coordinate of `low`
  int to = 1;    // surface coordinate of `high`
  std::vector<double> ticks;

  int at(double value) const { return from + cutToInt((value - low) / (high - low) * (to - from)); }
};

Axis axisOver(double low, double high, double least, double pad, int most) {
  if (high - low < least) {
    const double middle = (low + high) / 2;
    low = middle - least / 2;
    high = middle + least / 2;
  }
  const double margin = (high - low) * pad;
  Axis axis{low - margin, high + margin, 0, 1, {}};
  axis.ticks = axisTicks(axis.low, axis.high, most);
  return axis;
}

// One panel: its frame and grid, the values' ticks on the left and the charges' below.
struct Panel {
  Rect frame;
  Axis y;
  const char* caption;
  const char* tickFormat;
};

struct Layout {
  Surface& surface;
  double k;
  Font label;
  Axis x;
  int lineHeight;

  int units(double length) const { return cutToInt(length * k); }
  int width(std::string_view text) { return surface.measureText(text).width; }
};

void drawPanel(Layout& layout, const Panel& panel) {
  Surface& surface = layout.surface;
  const Rect& f = panel.frame;
  surface.setPen(kGridPen);
  for (const double tick : panel.y.ticks) {
    const int y = panel.y.at(tick);
    surface.moveTo(f.left, y);
    surface.lineTo(f.right, y);
    const std::string text = cformat(panel.tickFormat, tick);
    surface.drawText(f.left - layout.width(text) - layout.units(4), y - layout.lineHeight / 2,
                     text);
  }
  for (const double tick : layout.x.ticks) {
    const int x = layout.x.at(tick);
    surface.moveTo(x, f.top);
    surface.lineTo(x, f.bottom);
    const std::string text = cformat("%g", tick);
    surface.drawText(x - layout.width(text) / 2, f.bottom + layout.units(3), text);
  }
  surface.setPen(kFramePen);
  surface.moveTo(f.left, f.top);
  for (const auto& [x, y] : {std::pair{f.right, f.top}, std::pair{f.right, f.bottom},
                             std::pair{f.left, f.bottom}, std::pair{f.left, f.top}})
    surface.lineTo(x, y);
  surface.drawText(f.left, f.top - layout.lineHeight - layout.units(2), panel.caption);
}

// A point's name, centred over it (or under it when the names before it took the room), fitted
// between its neighbours.
class Labels {
 public:
  Labels(Layout& layout, int room) : layout_(layout), room_(room) {}

  void place(int x, int above, int below, const std::string& name) {
    const int width = std::min(layout_.width(name), room_);
    const int left = x - width / 2;
    const bool over = left > overEnd_;
    const int y = over ? above - layout_.lineHeight - layout_.units(2) : below + layout_.units(2);
    (over ? overEnd_ : underEnd_) = left + width + layout_.units(4);
    drawFittedText(layout_.surface, left, y, name, room_);
  }

 private:
  Layout& layout_;
  int room_;
  int overEnd_ = std::numeric_limits<int>::min();
  int underEnd_ = std::numeric_limits<int>::min();
};

void drawMarker(Surface& surface, int x, int y, int radius, Color fill) {
  surface.ellipse({x - radius, y - radius, x + radius + 1, y + radius + 1}, fill);
}

// Joins the points in charge order, then marks them; `value` gives each point's y or nothing.
void drawSeries(Layout& layout, const Panel& panel, const std::vector<LadderPoint>& points,
                const std::function<std::optional<double>(const LadderPoint&)>& value,
                Color color) {
  Surface& surface = layout.surface;
  surface.setPen({PenStyle::Solid, std::max(1, layout.units(1.5)), color});
  bool first = true;
  for (const LadderPoint& point : points) {
    const auto y = value(point);
    if (!y) continue;
    const int px = layout.x.at(point.powderWeight);
    if (first) surface.moveTo(px, panel.y.at(*y));
    surface.lineTo(px, panel.y.at(*y));
    first = false;
  }
  for (const LadderPoint& point : points)
    if (const auto y = value(point))
      drawMarker(surface, layout.x.at(point.powderWeight), panel.y.at(*y), layout.units(3), color);
}

std::string joined(const std::vector<std::string>& names) {
  std::string text;
  for (const std::string& name : names) text += (text.empty() ? "" : ", ") + name;
  return text;
}

std::vector<std::string> footnotes(const LadderChart& chart) {
  std::vector<std::string> lines;
  std::vector<std::string> noGroup;
  for (const LadderPoint& point : chart.points)
    if (!point.groupSize) noGroup.push_back(point.loadName);
  if (!chart.withoutVelocities.empty())
    lines.push_back("Left out, no shot velocities: " + joined(chart.withoutVelocities));
  if (!chart.withoutCharge.empty())
    lines.push_back("Left out, no powder weight: " + joined(chart.withoutCharge));
  if (!noGroup.empty()) lines.push_back("No group (fewer than two holes): " + joined(noGroup));
  if (chart.otherCombinations > 0) {
    lines.push_back(cformat("%d other load%s of this caliber use%s another bullet or powder",
                            chart.otherCombinations, chart.otherCombinations == 1 ? "" : "s",
                            chart.otherCombinations == 1 ? "s" : ""));
  }
  return lines;
}

}  // namespace

std::vector<double> axisTicks(double low, double high, int most) {
  std::vector<double> ticks;
  if (!(high > low) || most < 1) return ticks;
  const double rough = (high - low) / most;
  const double power = std::pow(10.0, std::floor(std::log10(rough)));
  double step = power * 10;
  for (const double factor : {1.0, 2.0, 5.0}) {
    if (power * factor >= rough) {
      step = power * factor;
      break;
    }
  }
  // Counted, not added up: a step below the values' precision must still end.
  const double first = std::ceil(low / step);
  for (int i = 0; i <= most * 3; ++i) {
    const double tick = (first + i) * step;
    if (!(tick <= high + step * 1e-9)) break;
    ticks.push_back(std::abs(tick) < step * 1e-9 ? 0.0 : tick);
  }
  return ticks;
}

void drawLadderChart(Surface& surface, const Rect& area, double k, const LadderChart& chart,
                     LadderBars bars) {
  const SurfaceStateGuard guard(surface);
  surface.setFont({"Arial", cutToInt(14 * k), 700});
  const int titleHeight = surface.measureText(chart.title).height;
  drawFittedText(surface, area.left, area.top, chart.title, area.right - area.left);

  Layout layout{surface, k, Font{"Arial", cutToInt(10 * k), 400}, {}, 0};
  surface.setFont(layout.label);
  layout.lineHeight = surface.measureText("0").height;
  const std::vector<std::string> notes = footnotes(chart);

  // Left of the panels the value ticks, below each its charge ticks; the names need a line
  // over and under every point.
  const int left = area.left + layout.width("0000.00") + layout.units(8);
  const int right = area.right - layout.units(8);
  const int top = area.top + titleHeight + layout.units(10) + 2 * layout.lineHeight;
  const int notesTop = area.bottom - static_cast<int>(notes.size()) * layout.lineHeight;
  const int bottom = notesTop - 3 * layout.lineHeight - layout.units(8);
  const int gap = 4 * layout.lineHeight + layout.units(12);
  const int velocityBottom = top + (bottom - top - gap) * 3 / 5;

  double lowCharge = 1e300, highCharge = -1e300, lowSpeed = 1e300, highSpeed = -1e300;
  double largestGroup = 0.0;
  const auto barOf = [bars](const VelocityStatistics& v) {
    if (bars == LadderBars::extremeSpread) return std::pair{v.lowest, v.highest};
    const double sd = v.standardDeviation.value_or(0.0);
    return std::pair{v.mean - sd, v.mean + sd};
  };
  for (const LadderPoint& point : chart.points) {
    lowCharge = std::min(lowCharge, point.powderWeight);
    highCharge = std::max(highCharge, point.powderWeight);
    const auto [low, high] = barOf(point.velocity);
    lowSpeed = std::min(lowSpeed, low);
    highSpeed = std::max(highSpeed, high);
    largestGroup = std::max(largestGroup, point.groupSize.value_or(0.0));
  }
  if (chart.points.empty()) lowCharge = highCharge = lowSpeed = highSpeed = 0.0;

  layout.x = axisOver(lowCharge, highCharge, 1.0, 0.08, 8);
  layout.x.from = left;
  layout.x.to = right;
  const char* velocityCaption = bars == LadderBars::extremeSpread
                                    ? "Mean velocity (ft/s), bars: extreme spread"
                                    : "Mean velocity (ft/s), bars: \xB1 1 standard deviation";
  Panel velocity{{left, top, right, velocityBottom},
                 axisOver(lowSpeed, highSpeed, 20.0, 0.15, 6),
                 velocityCaption,
                 "%.0f"};
  velocity.y.from = velocityBottom;
  velocity.y.to = top;
  Panel group{{left, velocityBottom + gap, right, bottom},
              axisOver(0.0, largestGroup, 0.25, 0.0, 5),
              "Group size (in)",
              "%.2f"};
  group.y.high *= 1.15;
  group.y.low = 0.0;
  group.y.ticks = axisTicks(0.0, group.y.high, 5);
  group.y.from = bottom;
  group.y.to = group.frame.top;

  drawPanel(layout, velocity);
  drawPanel(layout, group);
  const std::string xCaption = "Powder charge (grains)";
  surface.drawText((left + right - layout.width(xCaption)) / 2,
                   bottom + layout.lineHeight + layout.units(6), xCaption);

  // Velocity bars, then the line and the markers, then the names.
  surface.setPen({PenStyle::Solid, std::max(1, layout.units(1)), kBlack});
  const int cap = layout.units(4);
  for (const LadderPoint& point : chart.points) {
    const auto [low, high] = barOf(point.velocity);
    const int x = layout.x.at(point.powderWeight);
    for (const int y : {velocity.y.at(low), velocity.y.at(high)}) {
      surface.moveTo(x - cap, y);
      surface.lineTo(x + cap + 1, y);
    }
    surface.moveTo(x, velocity.y.at(low));
    surface.lineTo(x, velocity.y.at(high));
  }
  drawSeries(
      layout, velocity, chart.points,
      [](const LadderPoint& p) { return std::optional<double>(p.velocity.mean); }, kVelocityColor);
  drawSeries(
      layout, group, chart.points, [](const LadderPoint& p) { return p.groupSize; }, kGroupColor);

  surface.setFont(layout.label);
  const int room =
      std::max(layout.units(60), (right - left) / std::max<int>(1, chart.points.size()));
  Labels velocityNames(layout, room);
  Labels groupNames(layout, room);
  for (const LadderPoint& point : chart.points) {
    const auto [low, high] = barOf(point.velocity);
    const int x = layout.x.at(point.powderWeight);
    velocityNames.place(x, velocity.y.at(high) - layout.units(3),
                        velocity.y.at(low) + layout.units(3), point.loadName);
    if (point.groupSize) {
      const int y = group.y.at(*point.groupSize);
      groupNames.place(x, y - layout.units(4), y + layout.units(4), point.loadName);
    }
  }

  for (std::size_t i = 0; i < notes.size(); ++i) {
    drawFittedText(surface, area.left, notesTop + static_cast<int>(i) * layout.lineHeight, notes[i],
                   area.right - area.left);
  }
}

}  // namespace deadhold
