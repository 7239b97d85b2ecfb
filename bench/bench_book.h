#pragma once

#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <string>

#include "bench_scratch_folder.h"
#include "common/cformat.h"
#include "loads/load_database.h"
#include "loads/load_rules.h"

namespace deadhold::bench {

// Writes a RELOADER.DAT of `count` loads in random order, each as a large book has them: a
// caliber (from `caliberOf(random)`), weight, bullet and a name, the current load in the middle.
inline void writeRandomBook(const std::filesystem::path& file, int count,
                            const std::function<std::string(std::minstd_rand&)>& caliberOf) {
  std::minstd_rand random(42);
  std::string bytes(kDatabaseHeaderSize, '\0');
  const DatabaseHeader header{1, 0, count, count / 2};
  std::memcpy(bytes.data(), &header, kDatabaseHeaderSize);
  const char* makers[] = {"Sierra", "Nosler", "Hornady", "Barnes", "Speer", "Berger"};
  for (int i = 0; i < count; ++i) {
    LoadRecord load = blankLoadRecord();
    load.caliber.assign(caliberOf(random));
    load.bulletWeight = static_cast<float>(20 + random() % 500);
    load.bulletMfg.assign(makers[random() % 6]);
    load.bulletType.assign(cformat("Type %u", static_cast<unsigned>(random() % 50)));
    load.loadName.assign(cformat("Load %d", i));
    load.powderWeight = static_cast<float>(random() % 1000) / 10.0f;
    load.avVelocity = static_cast<float>(2000 + random() % 2000);
    load.avGroup = static_cast<float>(random() % 3000) / 1000.0f;
    bytes.append(reinterpret_cast<const char*>(&load), kLoadRecordSize);
  }
  std::ofstream(file, std::ios::binary).write(bytes.data(), static_cast<long>(bytes.size()));
}

// Some four hundred calibers.
inline std::string manyCalibers(std::minstd_rand& random) {
  return cformat(".%u Cal %u", 17 + static_cast<unsigned>(random() % 400),
                 static_cast<unsigned>(random() % 7));
}

// The book as the program leaves it: read, sorted and written back.
inline void sortBook(const std::filesystem::path& file) {
  LoadDatabase book(file);
  book.readDatabase();
  (void)book.writeDatabase();
  std::filesystem::remove(backupFileOf(file));
}

}  // namespace deadhold::bench
