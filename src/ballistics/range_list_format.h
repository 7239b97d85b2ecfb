#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "engine/trajectory.h"

namespace deadhold {

// One column of the Ballistics Calculator's range list; columns follow the fields of a
// TrajectoryPoint in order and are left-aligned.
struct RangeListColumn {
  const char* heading;
  int width;  // initial width, pixels
  int decimals;
  std::string_view unit;  // follows the number in every cell
};

inline constexpr int kRangeListColumnCount = 20;
extern const std::array<RangeListColumn, kRangeListColumnCount> kRangeListColumns;

using RangeListCells = std::array<std::string, kRangeListColumnCount>;

// The 20 cell texts of one listed row, exactly as the list shows them.
RangeListCells rangeListCells(const TrajectoryPoint& point);

// The list never shows a negative time of flight (the inversion can leave a tiny one at the
// muzzle): the page clamps it in the table itself before listing, a text table on a copy.
void clampListedTime(TrajectoryPoint& point);

// Makes `rows` the rows the range list shows at an increment of whole yards: every fifth yard from
// 0 to 1000 that the increment divides, each with its time clamped in the table first, so that
// whatever reads the table afterwards sees what the list showed. No rows for an increment below
// 1. The rows are rewritten in place: a list shown again builds no texts anew.
void listRangeRows(TrajectoryTable& table, int increment, std::vector<RangeListCells>& rows);

}  // namespace deadhold
