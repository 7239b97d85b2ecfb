#include "printing/print_jobs.h"

#include "printing/ladder_chart_page.h"
#include "printing/page_scale.h"
#include "printing/print_document.h"

namespace deadhold {

bool printReportOn(PrintTarget& printer, const ReportPrintJob& job, BallisticsPage& page,
                   const LoadRecord* load) {
  const double s = reportScale(printer.printableWidth(), printer.printableHeight());
  return printDocument(printer, 1,
                       [&](Surface& surface) { renderReportPage(surface, s, job, page, load); });
}

bool printLoadListOn(PrintTarget& printer, LoadListPrintJob& job, const LoadDatabase& database) {
  const int s = loadListScale(printer.printableWidth(), printer.printableHeight());
  job.nextLoad = database.loadAt(0);
  return printDocument(printer, loadListPageCount(database.loadCount()),
                       [&](Surface& surface) { renderLoadListPage(surface, s, job, database); });
}

bool printLadderChartOn(PrintTarget& printer, const LadderChart& chart, LadderBars bars) {
  const double s = reportScale(printer.printableWidth(), printer.printableHeight());
  return printDocument(printer, 1,
                       [&](Surface& surface) { renderLadderChartPage(surface, s, chart, bars); });
}

void printReport(const ReportPrintJob& job, Dialogs& dialogs, BallisticsPage& page,
                 const LoadRecord* load) {
  const auto printer = dialogs.choosePrinter();
  if (printer) printReportOn(*printer, job, page, load);
}

void printLoadList(LoadListPrintJob& job, Dialogs& dialogs, const LoadDatabase& database) {
  const auto printer = dialogs.choosePrinter();
  if (printer) printLoadListOn(*printer, job, database);
}

void printLadderChart(Dialogs& dialogs, const LadderChart& chart, LadderBars bars) {
  const auto printer = dialogs.choosePrinter();
  if (printer) printLadderChartOn(*printer, chart, bars);
}

}  // namespace deadhold
