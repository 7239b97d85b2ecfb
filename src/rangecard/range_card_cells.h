#pragma once

#include <array>
#include <string>

#include "engine/point_mass_inputs.h"
#include "rangecard/range_card_values.h"

namespace deadhold {

// The columns of the range card's table on screen and in deadhold-cli's text: range, velocity,
// energy, time, then the path and the wind drift each in inches, MOA and MIL and as the clicks
// that correct them ("U 12" up, "D 2" down, "L 3" left, "R 1" right).
struct RangeCardColumn {
  const char* heading;
  int width;  // pixels on screen
};

inline constexpr int kRangeCardColumnCount = 12;
inline constexpr std::array<RangeCardColumn, kRangeCardColumnCount> kRangeCardColumns{{
    {"Range yd", 56},
    {"Velocity", 52},
    {"Energy", 48},
    {"Time s", 46},
    {"Path in", 50},
    {"MOA", 44},
    {"MIL", 44},
    {"Clicks", 50},
    {"Wind in", 52},
    {"MOA", 44},
    {"MIL", 44},
    {"Clicks", 50},
}};

using RangeCardCells = std::array<std::string, kRangeCardColumnCount>;

RangeCardCells rangeCardCells(const PointMassRow& row, double clickSize, ClickUnit unit);

// Inches at a range as an angle in the unit (MOA of 1.047 in at 100 yd, or MIL).
double angleIn(ClickUnit unit, double inches, double range);

// The correction of an offset, in clicks of `clickSize` units: rounded to whole clicks, with
// the direction to dial ("U"/"D" for a path below/above the line of sight, "R"/"L" for a drift
// left/right), "0" when none.
std::string elevationClicks(double angle, double clickSize);
std::string windageClicks(double angle, double clickSize);

// The correction itself, to a tenth of a MOA or a hundredth of a MIL, with its direction.
std::string elevationCorrection(double angle, ClickUnit unit);
std::string windageCorrection(double angle, ClickUnit unit);

}  // namespace deadhold
