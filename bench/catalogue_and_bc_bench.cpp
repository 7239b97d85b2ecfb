// A 20,000-bullet catalogue parsed and sorted as every opening of the bullet list does it, and
// the coefficient search on the default load (its engine runs dominate the button press).
#include <benchmark/benchmark.h>

#include <random>
#include <string>

#include "calculators/ballistic_coeff_search.h"
#include "common/cformat.h"
#include "components/component_list.h"
#include "components/component_sort.h"

namespace deadhold {
namespace {

std::string bulletCatalogue(int entries) {
  std::minstd_rand random(7);
  const char* makers[] = {"Sierra", "Nosler", "Hornady", "Barnes", "Speer", "Berger"};
  std::string text = "; Manufacturer\tCaliber\tWeight\tType\tBC\tSD\n";
  for (int i = 0; i < entries; ++i)
    text +=
        cformat("%s\t.%03u\t%u\tType %u\t0.%03u\t0.%03u\n", makers[random() % 6],
                static_cast<unsigned>(172 + random() % 300),
                static_cast<unsigned>(20 + random() % 500), static_cast<unsigned>(random() % 50),
                static_cast<unsigned>(random() % 1000), static_cast<unsigned>(random() % 1000));
  return text + '\0';
}

void BM_ParseAndSortBullets(benchmark::State& state) {
  const std::string text = bulletCatalogue(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    BulletList list = parseBullets(text);
    sortBullets(list);
    benchmark::DoNotOptimize(list.data());
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ParseAndSortBullets)->Arg(100)->Arg(20000)->Unit(benchmark::kMillisecond);

void BM_BallisticCoeffSearchDefaultLoad(benchmark::State& state) {
  Engine engine;
  engine.computeTrajectory({0.436, 130, 3016, kSearchTargetDistance, kSearchScopeHeight,
                            kSearchTemperature, kSearchAltitude});
  const double measured = engine.table()[100].velocity;
  for (auto _ : state)
    benchmark::DoNotOptimize(searchBallisticCoeff(engineProbe(engine, 130, 3016), measured));
}
BENCHMARK(BM_BallisticCoeffSearchDefaultLoad)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace deadhold
