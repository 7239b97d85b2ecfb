#include "loadinfo/ladder_chart_dialog.h"

#include "loadinfo/ladder_chart_drawing.h"

namespace deadhold {

void LadderChartDialog::paint(Surface& surface, const Rect& area) const {
  drawLadderChart(surface, area, kScreenTextScale, chart_, bars_);
}

void LadderChartDialog::print() const {
  if (print_) print_(chart_, bars_);
}

}  // namespace deadhold
