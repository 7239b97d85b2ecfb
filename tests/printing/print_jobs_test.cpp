#include "printing/print_jobs.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "ballistics/ballistics_page_fixture.h"
#include "ballistics/fake_ballistics_page_dialogs.h"
#include "common/cformat.h"
#include "loads/sample_loads.h"

namespace deadhold::testing {
namespace {

using Events = std::vector<std::string>;

class PrintJobs : public BallisticsPageTest {
 protected:
  PrintJobs() {
    handOverDefaultLoad();
    page.reCompute();
    // The Ballistics Calculator's print hook as the program fills it.
    printing.printScript = [this] {
      printReport(ReportPrintJob{}, dialogs, page, database.currentLoad());
    };
  }

  FakePrintTarget& addPrinter(int width = 4800, int height = 6300) {
    dialogs.printers.push_back(std::make_unique<FakePrintTarget>(width, height));
    return *dialogs.printers.back();
  }

  void addLoads(int count) {
    for (int i = 0; i < count; ++i)
      database.addLoadCopy(makeLoad(".30-06", 150, "Nosler", "Partition", cformat("L%d", i)));
  }

  // The "Load Name" lines drawn on each page.
  static std::vector<int> namesPerPage(const FakePrintTarget& printer) {
    std::vector<int> counts;
    const auto& ops = printer.surface_.ops;
    for (std::size_t p = 0; p < printer.pageStarts.size(); ++p) {
      const std::size_t end =
          p + 1 < printer.pageStarts.size() ? printer.pageStarts[p + 1] : ops.size();
      int count = 0;
      for (std::size_t i = printer.pageStarts[p]; i < end; ++i)
        if (ops[i].kind == DrawOp::Kind::Text && ops[i].text.rfind("Load Name ", 0) == 0) ++count;
      counts.push_back(count);
    }
    return counts;
  }

  FakeBallisticsPageDialogs printing;
};

TEST_F(PrintJobs, TheReportIsOneDocumentOfOnePage) {
  FakePrintTarget& printer = addPrinter();
  printReport(ReportPrintJob{}, dialogs, page, nullptr);
  EXPECT_EQ(dialogs.printDialogsShown, 1);
  EXPECT_EQ(printer.events, (Events{"startDocument:", "startPage", "endPage", "endDocument"}));
  // Drawn at the report's real scale, 7.843...: the footer font is cut(14 s) = 109.
  EXPECT_EQ(printer.surface_.texts().back().font.cellHeight, 109);
}

TEST_F(PrintJobs, ACancelledPrintDialogPrintsNothing) {
  printReport(ReportPrintJob{}, dialogs, page, nullptr);
  EXPECT_EQ(dialogs.printDialogsShown, 1);
  EXPECT_TRUE(dialogs.usedPrinters.empty());
}

TEST_F(PrintJobs, ADocumentThatCannotStartIsAbandonedWithoutAPage) {
  FakePrintTarget& printer = addPrinter();
  printer.failStartDocument = true;
  EXPECT_FALSE(printReportOn(printer, ReportPrintJob{}, page, nullptr));
  EXPECT_EQ(printer.events, (Events{"startDocument:", "abandonDocument"}));
  EXPECT_TRUE(printer.surface_.ops.empty());
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(PrintJobs, APageThatCannotEndAbandonsTheDocumentThere) {
  FakePrintTarget& report = addPrinter();
  report.failEndPageAt = 0;
  printReport(ReportPrintJob{}, dialogs, page, nullptr);
  EXPECT_EQ(report.events, (Events{"startDocument:", "startPage", "endPage", "abandonDocument"}));

  addLoads(30);
  FakePrintTarget& list = addPrinter();
  list.failEndPageAt = 1;
  LoadListPrintJob job;
  printLoadList(job, dialogs, database);
  EXPECT_EQ(list.events, (Events{"startDocument:", "startPage", "endPage", "startPage", "endPage",
                                 "abandonDocument"}));
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(PrintJobs, TheListHasFourteenLoadsToAPage) {
  const struct {
    int loads;
    std::vector<int> pages;
  } cases[] = {{14, {14}}, {15, {14, 1}}, {28, {14, 14}}, {0, {}}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.loads);
    database.clearDatabase();
    addLoads(c.loads);
    FakePrintTarget& printer = addPrinter();
    LoadListPrintJob job;
    printLoadList(job, dialogs, database);
    EXPECT_EQ(namesPerPage(printer), c.pages);
    EXPECT_EQ(printer.events.front(), "startDocument:");
    EXPECT_EQ(printer.events.back(), "endDocument");
    EXPECT_EQ(job.nextLoad, nullptr);
  }
}

TEST_F(PrintJobs, TheListIsDrawnAtTheWholeNumberScale) {
  addLoads(1);
  FakePrintTarget& printer = addPrinter(4800, 6300);
  LoadListPrintJob job;
  printLoadList(job, dialogs, database);
  EXPECT_EQ(printer.surface_.texts().front().font, (Font{"Verdana", 98, 700}));
}

TEST_F(PrintJobs, TheCalculatorsPrintLeavesTheTableAsBeforeAndRecomputesAfterACancelToo) {
  const auto before = std::make_unique<TrajectoryTable>(page.table());
  addPrinter();
  page.print(printing);
  ASSERT_EQ(dialogs.usedPrinters.size(), 1u);
  EXPECT_NE(dialogs.usedPrinters[0]->surface_.findText("254 yrds"), nullptr);
  EXPECT_TRUE(page.table() == *before);
  EXPECT_TRUE(page.resultsValid());

  // A typed zero range is taken by the Re-Compute that follows, printed or not.
  type(BallisticsField::TargetDistance, "100");
  page.print(printing);
  EXPECT_EQ(dialogs.printDialogsShown, 2);
  EXPECT_EQ(page.inputs().targetDistance, 100);
  EXPECT_FALSE(page.table() == *before);
}

TEST_F(PrintJobs, TheCalculatorsPrintWithAnEmptyBookPrintsTheDefaultLoadAndNoLoadValues) {
  FakePrintTarget& printer = addPrinter();
  page.print(printing);
  const RecordingSurface& paper = printer.surface_;
  EXPECT_NE(paper.findText(kDefaultLabel), nullptr);
  EXPECT_NE(paper.findText("3016 fps"), nullptr);
  EXPECT_NE(paper.findText("298 yrds"), nullptr);
  EXPECT_NE(paper.findText("Load Name: "), nullptr);
  EXPECT_NE(paper.findText("Bullet Mfg:"), nullptr);
  EXPECT_EQ(paper.findText(" 0.000 "), nullptr);
  for (const DrawOp& op : paper.ops) EXPECT_NE(op.kind, DrawOp::Kind::Ellipse);
}

}  // namespace
}  // namespace deadhold::testing
