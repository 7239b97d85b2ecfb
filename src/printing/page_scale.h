#pragma once

namespace deadhold {

// Pages are laid out in units of 1/72 inch on an 8.5 x 11 inch sheet, 10 units in from the
// printable area's top-left corner, and multiplied by a scale that maps units to device units.
inline constexpr int kSheetWidth = 612;
inline constexpr int kSheetHeight = 792;

// The report's scale: the smaller of the two real ratios of printable area to sheet, at least 1.
double reportScale(int printableWidth, int printableHeight);
// The load list's scale: the same with whole-number ratios, at least 1.
int loadListScale(int printableWidth, int printableHeight);

// A length of the layout in device units, cut toward zero. Positions add such terms, each cut
// on its own: L + 40 is scaled(10, s) + scaled(40, s).
int scaled(double units, double scale);

}  // namespace deadhold
