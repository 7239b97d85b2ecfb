// A 100,000-load RELOADER.DAT (110 MB): read with its sort, sort again, write safely; beside them
// the references a read or a save cannot beat, measured in the same run: the file read through
// a small buffer as cat reads it, read whole into new memory of either kind, and copied as cp
// copies it, then flushed to disk.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "bench_book.h"
#include "common/native_file.h"
#include "loads/load_database.h"

namespace deadhold {
namespace {

constexpr int kLoads = 100000;

// The unsorted book and the same book sorted, made once for all the benchmarks.
class BenchBook {
 public:
  BenchBook() {
    bench::writeRandomBook(unsorted(), kLoads, bench::manyCalibers);
    std::filesystem::copy_file(unsorted(), sorted());
    bench::sortBook(sorted());
  }

  const std::filesystem::path& folder() const { return folder_.path(); }
  std::filesystem::path unsorted() const { return folder_ / "UNSORTED.DAT"; }
  // The book as the program writes it: in order.
  std::filesystem::path sorted() const { return folder_ / "SORTED.DAT"; }

  // A fresh copy of the unsorted book under the database's name, with no backup beside it.
  std::filesystem::path freshBook() const {
    const auto book = folder_ / "RELOADER.DAT";
    std::filesystem::copy_file(unsorted(), book, std::filesystem::copy_options::overwrite_existing);
    std::filesystem::remove(folder_ / "RELOADER.BAK");
    return book;
  }

 private:
  bench::ScratchFolder folder_;
};

const BenchBook& book() {
  static const BenchBook instance;
  return instance;
}

// The process's resident memory, now and at its peak since the peak was last reset (Linux).
double residentMegabytes(const char* field) {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);)
    if (line.starts_with(field))
      return std::strtod(line.c_str() + std::strlen(field), nullptr) * 1024 / 1e6;
  return 0;
}
void resetPeakResident() {
  std::ofstream("/proc/self/clear_refs") << "5";
}

// Reports the peak memory of the measured work as a share of the book's size.
class PeakMemory {
 public:
  PeakMemory() : before_(residentMegabytes("VmRSS:")) { resetPeakResident(); }
  double shareOf(const std::filesystem::path& file) const {
    const double grown = residentMegabytes("VmHWM:") - before_;
    return grown / (static_cast<double>(std::filesystem::file_size(file)) / 1e6);
  }

 private:
  double before_;
};

void readWhole(const std::filesystem::path& path, char* bytes, std::size_t size) {
  const int file = ::open(path.c_str(), O_RDONLY);
  for (std::size_t filled = 0; filled < size;) {
    const ssize_t got = ::read(file, bytes + filled, size - filled);
    if (got <= 0) break;
    filled += static_cast<std::size_t>(got);
  }
  ::close(file);
}

// Reference: the file read through a 128 KiB buffer and dropped, as cat reads it.
void BM_ReadFileLikeCat(benchmark::State& state) {
  std::vector<char> buffer(128 * 1024);
  const auto unsorted = book().unsorted();
  for (auto _ : state) {
    const int file = ::open(unsorted.c_str(), O_RDONLY);
    while (::read(file, buffer.data(), buffer.size()) > 0) benchmark::DoNotOptimize(buffer.data());
    ::close(file);
  }
}
BENCHMARK(BM_ReadFileLikeCat)->Unit(benchmark::kMillisecond);

// The file read whole into memory taken fresh from the system, as `allocate` gives it.
void readIntoFreshMemory(benchmark::State& state, void* (*allocate)(std::size_t),
                         void (*release)(void*)) {
  const auto unsorted = book().unsorted();
  const auto size = static_cast<std::size_t>(std::filesystem::file_size(unsorted));
  for (auto _ : state) {
    char* bytes = static_cast<char*>(allocate(size));
    readWhole(unsorted, bytes, size);
    benchmark::DoNotOptimize(bytes);
    release(bytes);
  }
}

// Reference: in pages of 4 KiB, what any program that holds the book pays: one page fault per
// 4 KiB.
void BM_ReadFileIntoNewMemory(benchmark::State& state) {
  readIntoFreshMemory(state, std::malloc, std::free);
}
BENCHMARK(BM_ReadFileIntoNewMemory)->Unit(benchmark::kMillisecond);

// The floor of any read that keeps the book: in memory the way the load book takes it, where
// the page faults of fresh memory are paid as cheaply as this system allows.
void BM_ReadFileIntoLargeBlock(benchmark::State& state) {
  readIntoFreshMemory(state, native::allocateLargeBlock, native::releaseLargeBlock);
}
BENCHMARK(BM_ReadFileIntoLargeBlock)->Unit(benchmark::kMillisecond);

// Reference for a save: the file copied over an earlier copy through a 128 KiB buffer, as cp
// copies it, then flushed to disk.
void BM_CopyFileAndSync(benchmark::State& state) {
  std::vector<char> buffer(128 * 1024);
  const auto unsorted = book().unsorted();
  const auto copy = book().folder() / "COPY.DAT";
  std::filesystem::copy_file(unsorted, copy, std::filesystem::copy_options::overwrite_existing);
  for (auto _ : state) {
    const int from = ::open(unsorted.c_str(), O_RDONLY);
    const int to = ::open(copy.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    for (ssize_t got; (got = ::read(from, buffer.data(), buffer.size())) > 0;)
      if (::write(to, buffer.data(), static_cast<std::size_t>(got)) != got)
        state.SkipWithError("copy");
    ::fsync(to);
    ::close(to);
    ::close(from);
  }
  std::filesystem::remove(copy);
}
BENCHMARK(BM_CopyFileAndSync)->Unit(benchmark::kMillisecond)->UseRealTime();

// Start-up and the command line: the book as the program writes it, already in order.
void BM_ReadSortedDatabase(benchmark::State& state) {
  double memory = 0;
  for (auto _ : state) {
    const PeakMemory peak;
    LoadDatabase database(book().sorted());
    benchmark::DoNotOptimize(database.readDatabase());
    memory = peak.shareOf(book().sorted());
  }
  state.counters["peak_x_file"] = memory;
}
BENCHMARK(BM_ReadSortedDatabase)->Unit(benchmark::kMillisecond);

// Every record out of place: the read and a full sort.
void BM_ReadAndSortDatabase(benchmark::State& state) {
  double memory = 0;
  for (auto _ : state) {
    const PeakMemory peak;
    LoadDatabase database(book().unsorted());
    benchmark::DoNotOptimize(database.readDatabase());
    memory = peak.shareOf(book().unsorted());
  }
  state.counters["peak_x_file"] = memory;
}
BENCHMARK(BM_ReadAndSortDatabase)->Unit(benchmark::kMillisecond);

// The whole round with the first save of a session: the backup of the book as it was included.
void BM_ReadSortWriteDatabase(benchmark::State& state) {
  double memory = 0;
  for (auto _ : state) {
    state.PauseTiming();
    const auto file = book().freshBook();
    const PeakMemory peak;
    state.ResumeTiming();
    LoadDatabase database(file);
    benchmark::DoNotOptimize(database.readDatabase());
    if (database.writeDatabase()) state.SkipWithError("write failed");
    state.PauseTiming();
    memory = peak.shareOf(file);
    state.ResumeTiming();
  }
  state.counters["peak_x_file"] = memory;
}
BENCHMARK(BM_ReadSortWriteDatabase)->Unit(benchmark::kMillisecond)->UseRealTime();

// An import: one record appended and the book sorted again.
void BM_AddLoadCopy(benchmark::State& state) {
  LoadDatabase database(book().sorted());
  database.readDatabase();
  const LoadRecord first = *database.loadAt(0);
  for (auto _ : state) benchmark::DoNotOptimize(&database.addLoadCopy(first));
}
BENCHMARK(BM_AddLoadCopy)->Unit(benchmark::kMillisecond);

// The save at shut-down: a book that has not changed since the session's first save.
void BM_WriteDatabase(benchmark::State& state) {
  LoadDatabase database(book().freshBook());
  database.readDatabase();
  if (database.writeDatabase()) state.SkipWithError("write failed");
  for (auto _ : state) {
    if (database.writeDatabase()) state.SkipWithError("write failed");
  }
}
BENCHMARK(BM_WriteDatabase)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace deadhold
