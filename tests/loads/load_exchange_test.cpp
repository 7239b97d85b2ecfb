#include "loads/load_exchange.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "loads/sample_loads.h"
#include "support/same_bytes.h"
#include "support/temp_folder.h"

namespace deadhold {
namespace {

using testing::asString;
using testing::makeLoad;
using testing::noiseBytes;
using testing::readBytes;
using testing::writeBytes;

class LoadExchange : public ::testing::Test {
 protected:
  std::filesystem::path bld() const { return folder / "LOADDATA.BLD"; }
  testing::TempFolder folder;
};

void expectUnrecognizable(const std::optional<LoadFileMessage>& refusal) {
  ASSERT_TRUE(refusal);
  EXPECT_EQ(refusal->text, "The selected file is unrecognizable by Deadhold as a valid Load file");
  EXPECT_EQ(refusal->title, "WARNING");
  EXPECT_EQ(refusal->icon, Icon::Exclamation);
}

TEST_F(LoadExchange, ExportWritesExactlyTheRecordBytes) {
  const LoadRecord load = loadRecordFromBytes(noiseBytes(4));
  ASSERT_FALSE(exportLoad(bld(), load));
  EXPECT_EQ(readBytes(bld()), asString(noiseBytes(4)));
}

TEST_F(LoadExchange, OnlyAnExactRecordSizeIsRecognised) {
  const std::string record = asString(noiseBytes(9));
  writeBytes(bld(), record.substr(0, 1099));
  expectUnrecognizable(readLoadFile(bld()).refusal);
  writeBytes(bld(), record + "x");
  expectUnrecognizable(readLoadFile(bld()).refusal);
  writeBytes(bld(), "");
  expectUnrecognizable(readLoadFile(bld()).refusal);
  writeBytes(bld(), record);
  const LoadFileRead read = readLoadFile(bld());
  EXPECT_FALSE(read.refusal);
  ASSERT_TRUE(read.load);
  EXPECT_EQ(asString(loadRecordBytes(*read.load)), record);
}

TEST_F(LoadExchange, AFileThatCannotBeOpenedIsSaidSo) {
  std::filesystem::create_directory(folder / "folder.BLD");
  for (const auto& path : {folder / "missing.BLD", folder / "folder.BLD"}) {
    const LoadFileRead read = readLoadFile(path);
    EXPECT_FALSE(read.load);
    ASSERT_TRUE(read.refusal) << path;
    EXPECT_EQ(read.refusal->text, "Could not open file");
    EXPECT_EQ(read.refusal->title, "FILE ERROR");
  }
}

TEST_F(LoadExchange, ImportAppendsAnIdenticalCopySortedAndSaved) {
  LoadDatabase database(folder / "RELOADER.DAT");
  LoadRecord& current = database.addLoadCopy(makeLoad(".308", 150, "Nosler", "Partition", "mine"));
  database.setCurrentLoad(&current);
  LoadRecord shared = makeLoad(".243", 100, "Sierra", "Pro-Hunter", "theirs");
  shared.next = 0x77777777;
  ASSERT_FALSE(exportLoad(bld(), shared));

  const ImportOutcome outcome = importLoad(database, bld());
  ASSERT_NE(outcome.imported, nullptr);
  EXPECT_FALSE(outcome.refusal);
  EXPECT_FALSE(outcome.saveError);
  EXPECT_EQ(outcome.repairedCalibers, 0);
  EXPECT_EQ(database.loadAt(0), outcome.imported);
  EXPECT_EQ(database.currentLoad(), &current);
  EXPECT_EQ(outcome.imported->next, 0u);
  shared.next = 0;
  EXPECT_TRUE(sameBytes(*outcome.imported, shared));

  LoadDatabase saved(folder / "RELOADER.DAT");
  EXPECT_EQ(saved.readDatabase(), 2);
}

TEST_F(LoadExchange, ImportingTwiceGivesTwoLoads) {
  LoadDatabase database(folder / "RELOADER.DAT");
  ASSERT_FALSE(exportLoad(bld(), makeLoad(".308", 150)));
  importLoad(database, bld());
  importLoad(database, bld());
  ASSERT_EQ(database.loadCount(), 2);
  EXPECT_TRUE(sameBytes(*database.loadAt(0), *database.loadAt(1)));
}

TEST_F(LoadExchange, ABlankCaliberIsSavedThenRepaired) {
  LoadDatabase database(folder / "RELOADER.DAT");
  ASSERT_FALSE(exportLoad(bld(), makeLoad("  ", 150)));
  const ImportOutcome outcome = importLoad(database, bld());
  EXPECT_EQ(outcome.repairedCalibers, 1);
  EXPECT_EQ(outcome.imported->caliber.view(), "Unknown");
  LoadDatabase saved(folder / "RELOADER.DAT");
  ASSERT_EQ(saved.readDatabase(), 1);
  EXPECT_EQ(saved.loadAt(0)->caliber.view(), "  ");  // the repair reaches the file next time
}

TEST_F(LoadExchange, ARefusedImportChangesNothing) {
  LoadDatabase database(folder / "RELOADER.DAT");
  writeBytes(bld(), std::string(1101, 'x'));
  const ImportOutcome outcome = importLoad(database, bld());
  EXPECT_EQ(outcome.imported, nullptr);
  expectUnrecognizable(outcome.refusal);
  EXPECT_EQ(database.loadCount(), 0);
  EXPECT_FALSE(std::filesystem::exists(folder / "RELOADER.DAT"));
}

TEST_F(LoadExchange, AnImportThatCannotBeSavedSaysWhy) {
  writeBytes(folder / "plain", "");
  LoadDatabase database(folder / "plain" / "RELOADER.DAT");
  ASSERT_FALSE(exportLoad(bld(), makeLoad(".308", 150)));
  const ImportOutcome outcome = importLoad(database, bld());
  EXPECT_NE(outcome.imported, nullptr);
  ASSERT_TRUE(outcome.saveError);
  EXPECT_EQ(outcome.saveError->message.rfind(
                "Could not write " + (folder / "plain" / "RELOADER.DAT").string() + ": ", 0),
            0u);
}

}  // namespace
}  // namespace deadhold
