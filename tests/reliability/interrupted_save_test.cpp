// Saves killed at random moments: whatever the moment, every file of the program holds either
// all of its old contents or all of its new ones, never a torn mix.
#include <gtest/gtest.h>

#include <cstdio>
#include <random>

#include "reliability/program_writers.h"
#include "support/interrupted_saves.h"

namespace deadhold {
namespace {

using testing::InterruptedSaves;

// Far beyond a personal load book (over 1 MB), so that a save takes long enough to be cut at
// many points, and more than one write.
constexpr int kLargeBook = 1000;

InterruptedSaves interrupt(const testing::ProgramWriter& writer, int tries, unsigned seed) {
  const std::string first = testing::contentsOf(writer, true);
  const std::string second = testing::contentsOf(writer, false);
  EXPECT_NE(first, second);
  return testing::interruptSaves(
      writer.file, first, second, [&](bool which) { return !writer.write(which); }, tries, seed);
}

TEST(InterruptedSave, EveryFileIsOldOrNewWheneverTheWriterIsKilled) {
  testing::TempFolder folder;
  const unsigned seed = std::random_device{}();
  SCOPED_TRACE("seed " + std::to_string(seed));
  for (const auto& writer : testing::programWriters(folder.path(), kLargeBook)) {
    const int tries = writer.name == "RELOADER.DAT" ? 150 : 30;
    const InterruptedSaves saves = interrupt(writer, tries, seed);
    std::printf("%s: %s\n", writer.name.c_str(), testing::describe(saves).c_str());
    EXPECT_EQ(saves.torn, 0) << writer.name;
    EXPECT_EQ(saves.saveFailed, 0) << writer.name;
    EXPECT_EQ(saves.oldKept + saves.newWritten, tries) << writer.name;
    // A writer killed before its rename leaves the old file whole.
    EXPECT_LE(saves.cutMidWrite, saves.oldKept) << writer.name;
    if (writer.name == "RELOADER.DAT") {
      // Proof that the kills landed inside the save, not only before or after it.
      EXPECT_GT(saves.cutMidWrite, 0);
    }
  }
}

}  // namespace
}  // namespace deadhold
