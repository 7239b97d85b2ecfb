// A 100,000-load RELOADER.DAT (110 MB): read with its sort, sort again, write safely.
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <stdlib.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "common/cformat.h"
#include "loads/load_database.h"
#include "loads/load_rules.h"

namespace deadhold {
namespace {

constexpr int kLoads = 100000;

// A scratch folder holding the unsorted book, built once for all the benchmarks.
class BenchBook {
 public:
  BenchBook() {
    std::string pattern = (std::filesystem::temp_directory_path() / "deadhold-bench-XXXXXX").string();
    folder_ = ::mkdtemp(pattern.data());
    unsorted_ = folder_ / "UNSORTED.DAT";
    std::minstd_rand random(42);
    std::string bytes(kDatabaseHeaderSize, '\0');
    const DatabaseHeader header{1, 0, kLoads, kLoads / 2};
    std::memcpy(bytes.data(), &header, kDatabaseHeaderSize);
    const char* makers[] = {"Sierra", "Nosler", "Hornady", "Barnes", "Speer", "Berger"};
    for (int i = 0; i < kLoads; ++i) {
      LoadRecord load = blankLoadRecord();
      load.caliber.assign(cformat(".%u Cal %u", 17 + static_cast<unsigned>(random() % 400), static_cast<unsigned>(random() % 7)));
      load.bulletWeight = static_cast<float>(20 + random() % 500);
      load.bulletMfg.assign(makers[random() % 6]);
      load.bulletType.assign(cformat("Type %u", static_cast<unsigned>(random() % 50)));
      load.loadName.assign(cformat("Load %d", i));
      bytes.append(reinterpret_cast<const char*>(&load), kLoadRecordSize);
    }
    std::ofstream(unsorted_, std::ios::binary).write(bytes.data(), static_cast<long>(bytes.size()));
  }
  ~BenchBook() { std::filesystem::remove_all(folder_); }

  // A fresh copy of the unsorted book under the database's name.
  std::filesystem::path freshBook() const {
    const auto book = folder_ / "RELOADER.DAT";
    std::filesystem::copy_file(unsorted_, book, std::filesystem::copy_options::overwrite_existing);
    return book;
  }

 private:
  std::filesystem::path folder_;
  std::filesystem::path unsorted_;
};

const BenchBook& book() {
  static const BenchBook instance;
  return instance;
}

// Heap bytes in use, so that memory reused from an earlier iteration still counts.
double heapMegabytes() { return static_cast<double>(::mallinfo2().uordblks) / 1e6; }

void BM_ReadSortWriteDatabase(benchmark::State& state) {
  double grown = 0;
  for (auto _ : state) {
    state.PauseTiming();
    const auto file = book().freshBook();
    const double before = heapMegabytes();
    state.ResumeTiming();
    LoadDatabase database(file);
    benchmark::DoNotOptimize(database.readDatabase());
    database.sortLoads();
    if (database.writeDatabase()) state.SkipWithError("write failed");
    state.PauseTiming();
    grown = heapMegabytes() - before;
    state.ResumeTiming();
  }
  state.counters["heap_MB"] = grown;
}
BENCHMARK(BM_ReadSortWriteDatabase)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_ReadDatabase(benchmark::State& state) {
  const auto file = book().freshBook();
  for (auto _ : state) {
    LoadDatabase database(file);
    benchmark::DoNotOptimize(database.readDatabase());
  }
}
BENCHMARK(BM_ReadDatabase)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_SortLoads(benchmark::State& state) {
  LoadDatabase database(book().freshBook());
  database.readDatabase();
  for (auto _ : state) database.sortLoads();
}
BENCHMARK(BM_SortLoads)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_WriteDatabase(benchmark::State& state) {
  LoadDatabase database(book().freshBook());
  database.readDatabase();
  for (auto _ : state) {
    if (database.writeDatabase()) state.SkipWithError("write failed");
  }
}
BENCHMARK(BM_WriteDatabase)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
}  // namespace deadhold
