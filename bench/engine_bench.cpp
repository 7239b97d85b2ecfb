#include <benchmark/benchmark.h>

#include <memory>

#include "engine/engine.h"
#include "engine/kill_zone_search.h"

namespace deadhold {
namespace {

constexpr BallisticInputs kDefaultLoad{0.436, 130, 3016, 250, 1.5, 70, 500};

void BM_ComputeTrajectory(benchmark::State& state) {
  const auto engine = std::make_unique<Engine>();
  for (auto _ : state) {
    engine->computeTrajectory(kDefaultLoad);
    benchmark::DoNotOptimize(engine->table()[1000].lead[11]);
  }
}
BENCHMARK(BM_ComputeTrajectory)->Unit(benchmark::kMicrosecond);

// The reference for the engine: writing the 160 kB table once, every row a copy of one computed
// row, with nothing to compute. A computation cannot take less.
void BM_WriteTableOnce(benchmark::State& state) {
  const auto engine = std::make_unique<Engine>();
  engine->computeTrajectory(kDefaultLoad);
  TrajectoryPoint point = engine->table()[500];
  const auto table = std::make_unique<TrajectoryTable>();
  for (auto _ : state) {
    benchmark::DoNotOptimize(point);
    table->fill(point);
    benchmark::DoNotOptimize(table->data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_WriteTableOnce)->Unit(benchmark::kMicrosecond);

void BM_KillZoneSearchSixInches(benchmark::State& state) {
  const auto engine = std::make_unique<Engine>();
  for (auto _ : state) benchmark::DoNotOptimize(searchKillZoneRange(*engine, kDefaultLoad, 6));
}
BENCHMARK(BM_KillZoneSearchSixInches)->Unit(benchmark::kMicrosecond);

// The printout's kill-zone table: five searches in a row.
void BM_KillZoneSearchPrintoutHeights(benchmark::State& state) {
  const auto engine = std::make_unique<Engine>();
  for (auto _ : state)
    for (double height : {4.0, 6.0, 8.0, 10.0, 12.0})
      benchmark::DoNotOptimize(searchKillZoneRange(*engine, kDefaultLoad, height));
}
BENCHMARK(BM_KillZoneSearchPrintoutHeights)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace deadhold
