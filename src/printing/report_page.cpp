#include "printing/report_page.h"

#include "ballistics/calculation_variables_block.h"
#include "ballistics/kill_zone_table_block.h"
#include "ballistics/range_tables_block.h"
#include "loadinfo/load_block.h"
#include "loadinfo/range_notes_block.h"
#include "loadinfo/shot_statistics_line.h"
#include "loadinfo/target_drawing.h"
#include "printing/page_scale.h"
#include "printing/printing_texts.h"

namespace deadhold {

namespace {

const Pen kFooterPen{PenStyle::Solid, 2, kBlack};

constexpr double kBlockScale = 0.9;
constexpr double kGraphWidthScale = 0.7;
constexpr double kGraphFontScale = 0.85;
constexpr double kTargetScale = 0.22;

// The ballistic blocks, stacked from the top of the page; returns the graph's bottom.
int drawBallisticBlocks(Surface& surface, double s, BallisticsPage& page) {
  const int left = scaled(10, s) + scaled(40, s);
  const int top = scaled(10, s);
  const double blockScale = kBlockScale * s;
  const Rect variables =
      drawCalculationVariables(surface, left, top + scaled(20, s) + scaled(5, s), blockScale,
                               page.inputs(), page.ballisticsLabel());
  const Rect tables = drawBallisticsTables(surface, left, variables.bottom + scaled(5, s),
                                           blockScale, page.table());
  const Rect graph = page.drawTrajectoryGraph(surface, left, tables.bottom + scaled(5, s),
                                              kGraphWidthScale * s, kGraphFontScale * s);
  drawKillZoneTable(surface, graph.right + scaled(20, s), graph.top + scaled(15, s), blockScale,
                    page);
  return graph.bottom;
}

}  // namespace

void renderReportPage(Surface& surface, double s, const ReportPrintJob& job, BallisticsPage& page,
                      const LoadRecord* load) {
  const int left = scaled(10, s) + scaled(40, s);
  const int top = scaled(10, s);
  const int above = job.loadOnly ? top + scaled(20, s) : drawBallisticBlocks(surface, s, page);

  // The page keeps clear of the printable area's right edge by its own shift from the left.
  const int rightEdge = scaled(612, s) - scaled(10, s);
  const LoadBlockExtent block =
      drawLoadBlock(surface, left, above + scaled(10, s), kBlockScale * s, load, rightEdge);
  const int targetEnd =
      drawTarget(surface, block.right + scaled(20, s), block.firstShotRow,
                 static_cast<float>(kTargetScale * s), kNoShotSelected, false, true, load);
  drawRangeNotes(surface, targetEnd + scaled(20, s), block.firstShotRow, kBlockScale * s, load,
                 rightEdge);

  const int footerY = block.bottom + scaled(10, s);
  const int underline = footerY + scaled(14, s);
  // The shot string's statistics go under the footer, where the sheet has room left; nothing
  // moves for them. The sheet's height lies within the printable area at any scale.
  drawShotStatisticsLine(surface, left, underline + scaled(4, s), kBlockScale * s, load,
                         scaled(kSheetWidth - 80, s), scaled(kSheetHeight, s));

  const SurfaceStateGuard guard(surface);
  surface.setFont({"Verdana", scaled(14, s), 700});
  surface.setPen(kFooterPen);
  surface.drawText(left, footerY, kReportFooter);
  surface.moveTo(left, underline);
  surface.lineTo(left + surface.measureText(kReportFooter).width, underline);
}

}  // namespace deadhold
