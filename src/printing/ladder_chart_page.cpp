#include "printing/ladder_chart_page.h"

#include "loadinfo/ladder_chart_drawing.h"
#include "printing/page_scale.h"

namespace deadhold {

void renderLadderChartPage(Surface& surface, double s, const LadderChart& chart, LadderBars bars) {
  const int left = scaled(10, s) + scaled(40, s);
  const int top = scaled(10, s) + scaled(20, s);
  const Rect area{left, top, left + scaled(kSheetWidth - 80, s),
                  top + scaled(kSheetHeight - 40, s)};
  drawLadderChart(surface, area, s, chart, bars);
}

}  // namespace deadhold
