#pragma once

#include <string>
#include <vector>

#include "engine/point_mass_solver.h"
#include "rangecard/range_card_values.h"

namespace deadhold {

// A computed range card: the load it is for, what it was computed from, and the table.
struct RangeCard {
  std::string label;
  RangeCardValues values;
  PointMassTable table;
};

// Computes the card for valid values; table.zeroFound tells whether it has rows.
RangeCard makeRangeCard(const RangeCardValues& values, const std::string& label,
                        PointMassSolver& solver);

// The values in words, a line each: the bullet and zero, the air, wind and angle, the spin, the
// clicks. The first line names the drag function and its reference air.
std::vector<std::string> rangeCardConditions(const RangeCardValues& values);

// What the table itself says: the bore angle of the zero, the stability factor of a spinning
// bullet, and where a bullet that stalls leaves the table.
std::vector<std::string> rangeCardNotes(const RangeCard& card);

inline constexpr const char* kZeroNotFoundTitle = "Zero Not Found";
// Why a card has no rows: no bore angle puts the bullet on the line of sight at the zero range.
std::string zeroNotFoundText(const RangeCardValues& values);

// Where the coefficients come from, as the page and the printed card say it.
inline constexpr const char* kReferenceAirNote =
    "Coefficients are referenced to the ICAO standard atmosphere at sea level (59 F, 29.92 "
    "inHg, dry air).";

// A number with at most `decimals` decimals and no trailing zeros ("0.436", "130", "1.5"),
// and never "-0".
std::string shortNumber(double value, int decimals);
// A number with exactly `decimals` decimals, and no sign when it rounds to zero.
std::string fixedNumber(double value, int decimals);

}  // namespace deadhold
