#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "ballistics/ballistics_page.h"
#include "bench_doubles.h"
#include "common/cformat.h"
#include "loads/load_rules.h"
#include "printing/load_list_page.h"
#include "printing/page_scale.h"
#include "printing/report_page.h"

namespace deadhold {
namespace {

// The Ballistics Calculator computed for the default load, and a load with a placed group and
// notes for the load's part.
struct ReportUnderTest {
  ReportUnderTest() {
    calculator.page.reCompute();
    load = std::make_unique<LoadRecord>(blankLoadRecord());
    load->loadName.assign("Elk load");
    load->notes.assign("Calm morning, 45 F at the bench. Group tightened after two fouling shots.");
    for (int i = 0; i < 5; ++i)
      load->shots[static_cast<std::size_t>(i)] = {3000, 0.1f * i, 0.2f, 0, 1};
  }
  bench::BallisticsPageUnderTest calculator;
  std::unique_ptr<LoadRecord> load;
};

// The whole report page at a 1200 dpi Letter page's scale, with its five kill-zone searches
// (each ending with the page's Re-Compute).
void BM_FullReportPage(benchmark::State& state) {
  ReportUnderTest test;
  const double s = reportScale(9866, 12866);
  bench::CountingSurface surface;
  for (auto _ : state)
    renderReportPage(surface, s, ReportPrintJob{}, test.calculator.page, test.load.get());
  state.SetLabel(std::to_string(surface.texts / state.iterations()) + " texts a page");
}
BENCHMARK(BM_FullReportPage)->Unit(benchmark::kMillisecond);

void BM_LoadOnlyReportPage(benchmark::State& state) {
  ReportUnderTest test;
  const double s = reportScale(9866, 12866);
  bench::CountingSurface surface;
  for (auto _ : state)
    renderReportPage(surface, s, ReportPrintJob{true}, test.calculator.page, test.load.get());
}
BENCHMARK(BM_LoadOnlyReportPage)->Unit(benchmark::kMicrosecond);

// One full page of the load list.
void BM_LoadListPage(benchmark::State& state) {
  LoadDatabase database{"RELOADER.DAT"};
  for (int i = 0; i < kLoadsPerListPage; ++i) {
    LoadRecord load = blankLoadRecord();
    load.caliber.assign(cformat(".%d Test", 200 + i));
    load.loadName.assign(cformat("Load %d", i));
    database.addLoadCopy(load);
  }
  bench::CountingSurface surface;
  for (auto _ : state) {
    LoadListPrintJob job{database.loadAt(0)};
    renderLoadListPage(surface, loadListScale(9866, 12866), job, database);
  }
}
BENCHMARK(BM_LoadListPage)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace deadhold
