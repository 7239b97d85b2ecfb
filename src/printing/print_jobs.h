#pragma once

#include "ballistics/ballistics_page.h"
#include "loadinfo/ladder_chart.h"
#include "loads/load_database.h"
#include "platform/dialogs.h"
#include "platform/print_target.h"
#include "printing/load_list_page.h"
#include "printing/report_page.h"

namespace deadhold {

// The report as a print job: the print dialog (a cancel ends it with nothing printed), then one
// page at the report's scale. The caller has the page recompute afterwards: the kill-zone table
// rewrote the range table.
void printReport(const ReportPrintJob& job, Dialogs& dialogs, BallisticsPage& page,
                 const LoadRecord* load);
// The load list as a print job: the print dialog, then ceil(n / 14) pages at the list's scale;
// an empty book gives a document without a page.
void printLoadList(LoadListPrintJob& job, Dialogs& dialogs, const LoadDatabase& database);

// A ladder chart on one page at the report's scale, after the print dialog.
void printLadderChart(Dialogs& dialogs, const LadderChart& chart, LadderBars bars);

// The same jobs on a printer already chosen. A document that cannot start, or a page that
// cannot start or end, abandons the document, silently; the answer says whether it printed.
bool printReportOn(PrintTarget& printer, const ReportPrintJob& job, BallisticsPage& page,
                   const LoadRecord* load);
bool printLoadListOn(PrintTarget& printer, LoadListPrintJob& job, const LoadDatabase& database);
bool printLadderChartOn(PrintTarget& printer, const LadderChart& chart, LadderBars bars);

}  // namespace deadhold
