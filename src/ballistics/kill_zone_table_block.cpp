#include "ballistics/kill_zone_table_block.h"

#include <algorithm>
#include <array>
#include <string>

#include "common/cformat.h"
#include "common/numbers.h"

namespace deadhold {

namespace {

const Pen kFramePen{PenStyle::Solid, 2, kBlack};

constexpr std::array<const char*, 3> kColumnTitles{"KillZone", "Zero Dist", "Max Dist"};
constexpr std::array<int, 5> kKillZoneHeights{4, 6, 8, 10, 12};  // inches

}  // namespace

Rect drawKillZoneTable(Surface& surface, int x, int y, double scale, BallisticsPage& page) {
  const BallisticInputs start = page.inputs();
  const SurfaceStateGuard guard(surface);
  const int gap = cutToInt(10 * scale);
  Rect used{x, y, x, y};

  surface.setFont({"Arial", cutToInt(14 * scale), 700});
  const char* const title = "Deadhold Range Data";
  const TextSize titleSize = surface.measureText(title);
  surface.drawText(x, y, title);

  surface.setFont({"Arial", cutToInt(12 * scale), 400});
  std::array<int, kColumnTitles.size()> columnX{};
  std::array<int, kColumnTitles.size()> width{};
  int next = x;
  int lineHeight = 0;
  for (std::size_t i = 0; i < kColumnTitles.size(); ++i) {
    const TextSize size = surface.measureText(kColumnTitles[i]);
    columnX[i] = next;
    width[i] = size.width;
    lineHeight = size.height;
    surface.drawText(next, y + titleSize.height, kColumnTitles[i]);
    next += size.width + gap;
  }
  used.right = std::max(x + titleSize.width, next - gap);

  const int ruleY = y + titleSize.height + lineHeight;
  surface.setPen(kFramePen);
  surface.moveTo(next - gap, ruleY);
  surface.lineTo(x, ruleY);

  const auto centred = [&](std::size_t column, int row, const std::string& text) {
    surface.drawText(columnX[column] + width[column] / 2 - surface.measureText(text).width / 2, row,
                     text);
  };
  int row = ruleY;
  for (std::size_t i = 0; i < kKillZoneHeights.size(); ++i) {
    if (i > 0) row += lineHeight;
    const int height = kKillZoneHeights[i];
    const KillZoneResult result = page.searchKillZone(start, height);
    centred(0, row, cformat("%d in", height));
    centred(1, row, cformat("%d yrds", cutToInt(result.zeroDistance)));
    centred(2, row, cformat("%d yrds", result.maxRange));
  }
  used.bottom = row;
  return used;
}

}  // namespace deadhold
