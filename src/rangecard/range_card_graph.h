#pragma once

#include <vector>

#include "engine/point_mass_inputs.h"
#include "platform/surface.h"

namespace deadhold {

// The range card's graph inside `area`: the path (red) and the wind drift (blue, dotted) against
// range, scaled to hold both, over a grid at round steps with inches on the left, yards below,
// the line of sight in bold and a legend. Without rows, the frame and a grid of 0 to 1000 yd and
// -10 to 10 in. `scale` sizes fonts and lines: 1 on screen, the page scale on paper. The
// surface's font and pen are restored.
void drawRangeCardGraph(Surface& surface, const Rect& area, const std::vector<PointMassRow>& rows,
                        double scale);

// A round grid step (1, 2 or 5 times a power of ten) that cuts `span` into at most
// `divisions` parts.
double roundStep(double span, int divisions);

}  // namespace deadhold
