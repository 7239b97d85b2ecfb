#pragma once

#include "ballistics/ballistics_page.h"
#include "loads/load_record.h"
#include "platform/surface.h"

namespace deadhold {

// A print request for the report: the ballistic calculation of the Ballistics Calculator page
// with a load's own part below it, or (loadOnly) the load's part alone.
struct ReportPrintJob {
  bool loadOnly = false;
};

// Draws the report page at scale s. In full, the calculation variables, the range tables and
// the graph come first and the kill-zone table last, since its searches rewrite the range table
// (each ending with the page's Re-Compute). Then the load data block, the target with the
// load's holes and the range notes, and the footer. Without a load (an empty load book) the
// load's part shows its labels only and no holes.
void renderReportPage(Surface& surface, double s, const ReportPrintJob& job, BallisticsPage& page,
                      const LoadRecord* load);

}  // namespace deadhold
