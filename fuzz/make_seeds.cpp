// Writes the seed corpus of every fuzz target into the folder named on the command line, one
// subfolder per target: load books and .BLD files as the program writes them, and the starter
// catalogues with a few variants of their endings.
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "fuzz_support.h"
#include "loads/load_database.h"
#include "loads/load_exchange.h"
#include "loads/load_rules.h"

namespace deadhold::fuzz {
namespace {

namespace fs = std::filesystem;

LoadRecord makeLoad(const char* caliber, float weight, const char* maker, const char* type) {
  LoadRecord load = blankLoadRecord();
  load.caliber.assign(caliber);
  load.bulletWeight = weight;
  load.bulletMfg.assign(maker);
  load.bulletType.assign(type);
  load.ballisticCoeff = 0.436f;
  load.avVelocity = 3016.0f;
  load.powderMfg.assign("IMR");
  load.powderType.assign("4831");
  load.powderWeight = 54.5f;
  load.loadName.assign("Range day");
  load.notes.assign("Calm morning.\r\nSecond line");
  load.wind.assign("5 mph from 9");
  for (int i = 0; i < 3; ++i) {
    load.shots[i] = ShotRecord{3000.0f + i, 0.5f * i, -0.25f * i, 0.56f * i, 1};
  }
  return load;
}

std::vector<LoadRecord> sampleLoads() {
  LoadRecord withoutNuls = makeLoad(".308", 150, "Nosler", "Partition");
  std::memset(withoutNuls.caliber.bytes.data(), 'C', withoutNuls.caliber.kWidth);
  std::memset(withoutNuls.notes.bytes.data(), 'n', withoutNuls.notes.kWidth);
  LoadRecord blankCaliber = makeLoad("   ", 55, "Hornady", "V-MAX");
  return {makeLoad(".270 Win", 130, "Sierra", "Gameking"), makeLoad(".270", 150, "Sierra", "SBT"),
          withoutNuls, blankCaliber};
}

void writeBook(const fs::path& file, const std::vector<LoadRecord>& loads, int current) {
  LoadDatabase database(file);
  writeWholeFile(file, "");
  database.readDatabase();  // an empty book that was read is written even when empty
  for (const LoadRecord& load : loads) database.addLoadCopy(load);
  database.setCurrentLoad(database.loadAt(current));
  if (database.writeDatabase()) fail("the seed book could be written");
}

void writeBooks(const fs::path& folder) {
  const std::vector<LoadRecord> loads = sampleLoads();
  writeBook(folder / "empty-book", {}, -1);
  writeBook(folder / "one-load", {loads[0]}, 0);
  writeBook(folder / "all-loads", loads, 1);
  writeBook(folder / "no-current-load", loads, -1);
  // A book whose last record was cut short.
  std::string cut = readWholeFile(folder / "all-loads");
  writeWholeFile(folder / "cut-short", cut.substr(0, cut.size() - 700));
}

void writeLoadFiles(const fs::path& folder) {
  int n = 0;
  for (const LoadRecord& load : sampleLoads()) {
    if (exportLoad(folder / ("load-" + std::to_string(n++) + ".BLD"), load))
      fail("the seed load could be exported");
  }
}

void writeCatalogue(const fs::path& folder, const char* name) {
  const std::string text = readWholeFile(fs::path(DEADHOLD_RESOURCES_DIR) / name);
  writeWholeFile(folder / name, text);
  // The same without its last line break, and with a zero byte in the middle.
  writeWholeFile(folder / (std::string(name) + "-no-last-break"), text.substr(0, text.size() - 1));
  std::string cut = text;
  cut[cut.size() / 2] = '\0';
  writeWholeFile(folder / (std::string(name) + "-zero-byte"), cut);
}

}  // namespace
}  // namespace deadhold::fuzz

int main(int argc, char** argv) {
  using namespace deadhold::fuzz;
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s CORPUS_FOLDER\n", argv[0]);
    return 2;
  }
  const fs::path root = argv[1];
  for (const char* target :
       {"load_database", "load_file", "bullet_catalogue", "powder_catalogue", "primer_catalogue"})
    fs::create_directories(root / target);
  writeBooks(root / "load_database");
  writeLoadFiles(root / "load_file");
  writeCatalogue(root / "bullet_catalogue", "BULLETS.TXT");
  writeCatalogue(root / "powder_catalogue", "POWDERS.TXT");
  writeCatalogue(root / "primer_catalogue", "PRIMERS.TXT");
  return 0;
}
