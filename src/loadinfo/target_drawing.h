#pragma once

#include "loads/load_record.h"
#include "platform/surface.h"

namespace deadhold {

// The large target shows the picture's top 490 rows only; the rest lies under its fields.
inline constexpr int kTargetTopRows = 490;
inline constexpr int kNoShotSelected = -1;

// Draws the target picture with its top-left corner at (x0, y0), scaled by `scale`: the whole
// picture into a square of trunc(600 x scale) pixels when `full`, else its top 490 rows into
// trunc(600 x scale) by trunc(490 x scale). With a load, each placed shot's hole follows in shot
// order (none when `hide`), and then the `selected` shot (0-9), if placed, once more in red.
// Returns x0 + trunc(600 x scale), the first column right of the picture. All the geometry is
// computed in single precision and cut toward zero, so holes land on the same pixels at every
// scale the program uses.
int drawTarget(Surface& surface, int x0, int y0, float scale, int selected, bool hide, bool full,
               const LoadRecord* load);

// One hole: a circle of radius 12 x scale around (px, py) with a black outline, filled white,
// or pure red for the selected shot.
void drawHole(Surface& surface, int px, int py, float scale, bool red);

}  // namespace deadhold
