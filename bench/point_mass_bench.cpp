#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>

#include "engine/engine.h"
#include "engine/point_mass_solver.h"

namespace deadhold {
namespace {

constexpr BallisticInputs kLegacyDefaultLoad{0.436, 130, 3016, 250, 1.5, 70, 500};

// The default load zeroed at 100 yards, a row for every yard to 1000.
void BM_PointMassZeroAndTable(benchmark::State& state) {
  PointMassSolver solver;
  for (auto _ : state)
    benchmark::DoNotOptimize(solver.solve(PointMassInputs{}, 1, 1000).rows[1000]);
}
BENCHMARK(BM_PointMassZeroAndTable)->Unit(benchmark::kMicrosecond);

// The same with a G7 coefficient in a 10 mph wind, up hill, with spin drift, to 2000 yards.
void BM_PointMassG7WindSpinTo2000(benchmark::State& state) {
  PointMassInputs in;
  in.dragFunction = DragFunction::G7;
  in.ballisticCoeff = 0.243;
  in.bulletWeight = 175;
  in.muzzleVelocity = 2600;
  in.windSpeed = 10;
  in.windAngle = 90;
  in.lookAngle = 15;
  in.spin = {10, 1.24, 0.308};
  PointMassSolver solver;
  for (auto _ : state) benchmark::DoNotOptimize(solver.solve(in, 1, 2000).rows[2000]);
}
BENCHMARK(BM_PointMassG7WindSpinTo2000)->Unit(benchmark::kMicrosecond);

// The target: zero plus a 1001-row table in at most 5 times the legacy engine's table, timed
// turn about in one loop so both meet the same machine. "ratio" is point_mass_us / legacy_us.
void BM_PointMassAgainstLegacyEngine(benchmark::State& state) {
  using Clock = std::chrono::steady_clock;
  const auto engine = std::make_unique<Engine>();
  PointMassSolver solver;
  Clock::duration legacy{};
  Clock::duration pointMass{};
  for (auto _ : state) {
    const auto start = Clock::now();
    engine->computeTrajectory(kLegacyDefaultLoad);
    benchmark::DoNotOptimize(engine->table()[1000].lead[11]);
    const auto middle = Clock::now();
    benchmark::DoNotOptimize(solver.solve(PointMassInputs{}, 1, 1000).rows[1000]);
    const auto end = Clock::now();
    legacy += middle - start;
    pointMass += end - middle;
  }
  const auto micros = [&](Clock::duration total) {
    return std::chrono::duration<double, std::micro>(total).count() /
           static_cast<double>(state.iterations());
  };
  state.counters["legacy_us"] = micros(legacy);
  state.counters["point_mass_us"] = micros(pointMass);
  state.counters["ratio"] = micros(pointMass) / micros(legacy);
}
BENCHMARK(BM_PointMassAgainstLegacyEngine)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace deadhold
