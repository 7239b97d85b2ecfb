#include "ballistics/range_tables_block.h"

#include <algorithm>
#include <array>
#include <string>

#include "common/cformat.h"
#include "common/numbers.h"

namespace deadhold {

namespace {

const Pen kFramePen{PenStyle::Solid, 2, kBlack};

constexpr int kFirstLeadColumn = 8;
constexpr int kRowStep = 50;  // yards
constexpr int kRows = 17;     // 0 to 800 yards

struct Column {
  const char* title;
  const char* unit;
  const char* format;
  double (*value)(const TrajectoryPoint&);
};

const std::array<Column, 11> kColumns{{
    {"Range", "yards", "%0.0f", [](const TrajectoryPoint& p) { return p.range; }},
    {"Elevation", "inches", "%0.2f", [](const TrajectoryPoint& p) { return p.elevation; }},
    {"Velocity", "ft/s", "%0.0f", [](const TrajectoryPoint& p) { return p.velocity; }},
    {"Energy", "ft/lbs", "%0.0f", [](const TrajectoryPoint& p) { return p.energy; }},
    {"ETA", "sec", "%0.3f", [](const TrajectoryPoint& p) { return p.time; }},
    {"Total Drop", "inches", "%0.2f", [](const TrajectoryPoint& p) { return p.drop; }},
    {"Max Y", "inches", "%0.2f", [](const TrajectoryPoint& p) { return p.maxY; }},
    {"10 mph Wind", "inches", "%0.2f", [](const TrajectoryPoint& p) { return p.windDeflection; }},
    {"10 mph", "ft", "%0.2f", [](const TrajectoryPoint& p) { return p.lead[1]; }},
    {"20 mph", "ft", "%0.2f", [](const TrajectoryPoint& p) { return p.lead[3]; }},
    {"30 mph", "ft", "%0.2f", [](const TrajectoryPoint& p) { return p.lead[5]; }},
}};

}  // namespace

Rect drawBallisticsTables(Surface& surface, int x, int y, double scale,
                          const TrajectoryTable& table) {
  const SurfaceStateGuard guard(surface);
  const int gap = cutToInt(10 * scale);
  Rect used{x, y, x, y};

  surface.setFont({"Arial", cutToInt(14 * scale), 700});
  std::array<int, kColumns.size()> start{};
  std::array<int, kColumns.size()> width{};
  int titleHeight = 0;
  int next = x;
  for (std::size_t i = 0; i < kColumns.size(); ++i) {
    const TextSize title = surface.measureText(kColumns[i].title);
    start[i] = next;
    width[i] = title.width;
    titleHeight = title.height;
    next += title.width + gap;
  }
  const int leadX = start[kFirstLeadColumn];
  surface.drawText(x, y, "Ballistics Data");
  surface.drawText(leadX, y, "Moving Target Lead Data");
  for (std::size_t i = 0; i < kColumns.size(); ++i)
    surface.drawText(start[i], y + titleHeight, kColumns[i].title);
  used.right = std::max(next - gap, leadX + surface.measureText("Moving Target Lead Data").width);

  surface.setFont({"Arial", cutToInt(12 * scale), 400});
  const auto centred = [&](std::size_t column, int row, const std::string& text) {
    surface.drawText(start[column] + width[column] / 2 - surface.measureText(text).width / 2, row,
                     text);
  };
  const int unitRow = y + 2 * titleHeight;
  for (std::size_t i = 0; i < kColumns.size(); ++i) centred(i, unitRow, kColumns[i].unit);

  surface.setPen(kFramePen);
  surface.moveTo(x, unitRow);
  surface.lineTo(leadX - gap, unitRow);
  int leadRuleEnd = leadX;
  for (std::size_t i = kFirstLeadColumn; i < kColumns.size(); ++i) leadRuleEnd += width[i] + gap;
  surface.moveTo(leadX, unitRow);
  surface.lineTo(leadRuleEnd - gap, unitRow);

  const int rowPitch = surface.measureText(kColumns[0].unit).height;
  int row = unitRow;
  for (int r = 0; r < kRows; ++r) {
    row += rowPitch;
    const TrajectoryPoint& point = table[r * kRowStep];
    for (std::size_t i = 0; i < kColumns.size(); ++i)
      centred(i, row, cformat(kColumns[i].format, kColumns[i].value(point)));
  }
  used.bottom = row + 2 * rowPitch;
  return used;
}

}  // namespace deadhold
