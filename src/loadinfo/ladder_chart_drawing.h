#pragma once

#include "loadinfo/ladder_chart.h"
#include "platform/surface.h"

namespace deadhold {

// Draws a ladder chart into `area`: the title; the mean velocity of each load against its
// powder charge with extreme-spread (or standard-deviation) bars; the group size against the
// charge below it; every point labelled with its load name; and, at the foot, the loads left
// out. Text heights are multiples of k ("Arial" 14 k for the title, 10 k for the rest). The same
// drawing serves the window, the printer and the PDF. Restores the surface's font and pen.
void drawLadderChart(Surface& surface, const Rect& area, double k, const LadderChart& chart,
                     LadderBars bars);

// Evenly spaced round values (steps of 1, 2 or 5 times a power of ten) covering [low, high],
// at most about `most` of them: the axis ticks.
std::vector<double> axisTicks(double low, double high, int most);

}  // namespace deadhold
