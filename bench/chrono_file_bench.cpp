// Chronograph files of 100,000 lines, read from disk: a LabRadar report as the device writes it
// (UTF-16, decimal commas) and a MagnetoSpeed log of many series. The target is under 50 ms.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "bench_scratch_folder.h"
#include "chrono/chrono_file.h"
#include "common/cformat.h"

namespace deadhold {
namespace {

constexpr int kLines = 100000;

class BenchFiles {
 public:
  BenchFiles() {
    std::minstd_rand random(17);
    const auto speed = [&random] { return 2700.0 + static_cast<double>(random() % 20000) / 100; };

    std::string labradar =
        "sep=;\r\nDevice ID;LBR-0004217;;\r\nSeries No;0001;;\r\n"
        "Units velocity;fps;;\r\nShot ID;V0;V1;V2;Date;Time;\r\n";
    for (int i = 5; i < kLines; ++i) {
      std::string row =
          cformat("%04d;%.2f;%.2f;%.2f;2024-05-11;09:12:40;\r\n", i - 4, speed(), speed(), speed());
      for (char& c : row) c = c == '.' ? ',' : c;
      labradar += row;
    }
    std::string wide = "\xFF\xFE";
    for (const char c : labradar) wide += {c, '\0'};
    write("SR0001 Report.csv", wide);

    std::string magneto;
    for (int i = 0; i < kLines; i += 12) {
      magneto += cformat("----\nSeries,%d,Shots:,10\nGun,308 Win,Ammo,168 SMK\n", i / 12 + 1);
      for (int shot = 1; shot <= 10; ++shot) magneto += cformat("%d,%.0f,ft/s\n", shot, speed());
    }
    write("LOG.CSV", magneto);
  }
  std::filesystem::path file(const char* name) const { return folder_ / name; }

 private:
  void write(const char* name, const std::string& bytes) {
    std::ofstream(folder_ / name, std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  }

  bench::ScratchFolder folder_;
};

const BenchFiles& files() {
  static const BenchFiles made;
  return made;
}

void readFile(benchmark::State& state, const char* name) {
  const auto file = files().file(name);
  for (auto _ : state) {
    const ChronoFileRead read = readChronoFile(file);
    if (!read.ok() || read.list.series.empty()) state.SkipWithError("the file was not read");
    benchmark::DoNotOptimize(read);
  }
}

void ChronoLabRadarUtf16(benchmark::State& state) {
  readFile(state, "SR0001 Report.csv");
}
void ChronoMagnetoSpeedLog(benchmark::State& state) {
  readFile(state, "LOG.CSV");
}
BENCHMARK(ChronoLabRadarUtf16)->Unit(benchmark::kMillisecond);
BENCHMARK(ChronoMagnetoSpeedLog)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace deadhold
