#pragma once

#include <string>

#include "loads/load_record.h"
#include "platform/surface.h"

namespace deadhold {

// The shot string's statistics as one printed line: "Shot string: 5 velocities, mean 2802.2,
// ES 15.0, SD 5.89 fps; group 0.845, mean radius 0.312 in". The velocity part needs a velocity,
// the group part two placed holes; without either the text is empty.
std::string shotStatisticsLine(const LoadRecord& load);

// Draws that line in the load block's body font ("Arial", 12 k) with its top at y, fitted to
// maxWidth, but only when its bottom stays above bottomLimit: it goes where a page has room left
// and never moves anything. Answers whether it was drawn. Restores the surface's font.
bool drawShotStatisticsLine(Surface& surface, int x, int y, double k, const LoadRecord* load,
                            int maxWidth, int bottomLimit);

}  // namespace deadhold
