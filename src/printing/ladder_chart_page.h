#pragma once

#include "loadinfo/ladder_chart.h"
#include "platform/surface.h"

namespace deadhold {

// The ladder chart's page at scale s: the chart fills the sheet inside the report's margins
// (40 units left and right, 20 at the top and the foot), its texts at 1 unit per point.
void renderLadderChartPage(Surface& surface, double s, const LadderChart& chart, LadderBars bars);

}  // namespace deadhold
