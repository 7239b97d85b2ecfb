#pragma once

#include "engine/trajectory.h"
#include "platform/surface.h"

namespace deadhold {

// The printout's "Ballistics Data" and "Moving Target Lead Data" side by side: eleven columns
// (range to 10 mph wind, then the 10, 20 and 30 mph leads) with their units under a rule (the
// lead columns carry their own), and the rows 0, 50, ... 800 yards of the table, always 17,
// each value centred on its column. Draws with fonts and a pen of its own and leaves the
// surface's as they were. Returns the rectangle it used; its bottom is the next free y.
Rect drawBallisticsTables(Surface& surface, int x, int y, double scale,
                          const TrajectoryTable& table);

}  // namespace deadhold
