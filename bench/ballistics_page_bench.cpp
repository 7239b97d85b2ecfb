#include <benchmark/benchmark.h>

#include <memory>

#include "ballistics/ballistics_page.h"
#include "bench_doubles.h"

namespace deadhold {
namespace {

using bench::CountingSurface;
using bench::SilentDialogs;

using PageUnderTest = bench::BallisticsPageUnderTest;

// "&Re-Compute": parse, validate, compute the table and build the list rows.
void BM_ReComputeAndList(benchmark::State& state) {
  PageUnderTest test;
  test.page.chooseRangeIncrement(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    test.page.reCompute();
    benchmark::DoNotOptimize(test.page.listRows().data());
  }
  state.SetLabel(std::to_string(test.page.listRows().size()) + " rows");
}
BENCHMARK(BM_ReComputeAndList)->Arg(2)->Arg(0)->Unit(benchmark::kMicrosecond);

// The page's paint after a hand-over: Re-Compute, then the graph.
void BM_PaintAfterHandOver(benchmark::State& state) {
  PageUnderTest test;
  test.page.chooseRangeIncrement(0);
  CountingSurface surface;
  for (auto _ : state) {
    test.page.setRecomputePending(true);
    test.page.paint(surface);
  }
  benchmark::DoNotOptimize(surface.lines);
}
BENCHMARK(BM_PaintAfterHandOver)->Unit(benchmark::kMicrosecond);

void BM_TrajectoryGraph(benchmark::State& state) {
  PageUnderTest test;
  test.page.reCompute();
  CountingSurface surface;
  for (auto _ : state)
    benchmark::DoNotOptimize(test.page.drawTrajectoryGraph(surface, 10, 5, 1, 1));
}
BENCHMARK(BM_TrajectoryGraph)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace deadhold
