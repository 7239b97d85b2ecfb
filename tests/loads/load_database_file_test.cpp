#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>

#include "loads/load_database.h"
#include "loads/sample_loads.h"
#include "support/temp_folder.h"

namespace deadhold {
namespace {

using testing::asString;
using testing::makeLoad;
using testing::noiseBytes;
using testing::readBytes;
using testing::writeBytes;

using testing::bookHeader;
using testing::noisyRecord;

class LoadDatabaseFile : public ::testing::Test {
 protected:
  std::filesystem::path file() const { return folder / "RELOADER.DAT"; }
  testing::TempFolder folder;
};

TEST_F(LoadDatabaseFile, ReadingAndWritingBackKeepsEveryByte) {
  const std::string contents =
      bookHeader(1, 0, 3, 1) + noisyRecord(1, "A") + noisyRecord(2, "B") + noisyRecord(3, "C");
  writeBytes(file(), contents);
  LoadDatabase database(file());
  EXPECT_EQ(database.readDatabase(), 3);
  EXPECT_TRUE(database.fileWasRead());
  EXPECT_EQ(database.currentLoad(), database.loadAt(1));
  EXPECT_EQ(database.header().count, 3);
  EXPECT_EQ(database.header().currentIndex, 1);
  std::filesystem::remove(file());
  EXPECT_FALSE(database.writeDatabase());
  EXPECT_EQ(readBytes(file()), contents);
}

TEST_F(LoadDatabaseFile, LinksAreIgnoredOnReadingAndWrittenEmpty) {
  LoadRecord load = makeLoad(".30-06", 180);
  load.next = 0xCAFEF00D;
  writeBytes(file(), bookHeader(1, 0, 1, 0) + asString(loadRecordBytes(load)));
  LoadDatabase database(file());
  ASSERT_EQ(database.readDatabase(), 1);
  database.loadAt(0)->next = 0xABCD;  // as a whole-record edit might leave it
  ASSERT_FALSE(database.writeDatabase());
  load.next = 0;
  EXPECT_EQ(readBytes(file()), bookHeader(1, 0, 1, 0) + asString(loadRecordBytes(load)));
}

TEST_F(LoadDatabaseFile, ReadingSortsAndTheCurrentLoadFollowsItsRecord) {
  writeBytes(file(),
             bookHeader(1, 0, 3, 0) + noisyRecord(1, "C") + noisyRecord(2, "A") + noisyRecord(3, "B"));
  LoadDatabase database(file());
  ASSERT_EQ(database.readDatabase(), 3);
  EXPECT_EQ(database.loadAt(0)->caliber.view(), "A");
  EXPECT_EQ(database.currentLoad(), database.loadAt(2));
  ASSERT_FALSE(database.writeDatabase());
  EXPECT_EQ(database.header().currentIndex, 2);
  EXPECT_EQ(readBytes(file()).substr(0, 12), bookHeader(1, 0, 3, 2));
}

TEST_F(LoadDatabaseFile, CurrentIndexMatchingNoPositionLeavesNone) {
  for (std::int32_t index : {-1, 2, 99, -7}) {
    writeBytes(file(), bookHeader(1, 0, 2, index) + noisyRecord(1, "A") + noisyRecord(2, "B"));
    LoadDatabase database(file());
    ASSERT_EQ(database.readDatabase(), 2);
    EXPECT_EQ(database.currentLoad(), nullptr) << index;
  }
}

TEST_F(LoadDatabaseFile, NoCurrentLoadIsWrittenAsMinusOne) {
  LoadDatabase database(file());
  database.addLoadCopy(makeLoad("A", 1));
  ASSERT_FALSE(database.writeDatabase());
  EXPECT_EQ(readBytes(file()).substr(0, 12), bookHeader(1, 0, 1, -1));
  LoadDatabase reread(file());
  EXPECT_EQ(reread.readDatabase(), 1);
  EXPECT_EQ(reread.currentLoad(), nullptr);
}

TEST_F(LoadDatabaseFile, ANewEmptyBookLeavesNoFileButAnEmptiedOneIsWritten) {
  LoadDatabase fresh(file());
  EXPECT_EQ(fresh.readDatabase(), 0);
  EXPECT_FALSE(fresh.fileWasRead());
  EXPECT_FALSE(fresh.readProblem());
  EXPECT_FALSE(fresh.writeDatabase());
  EXPECT_FALSE(std::filesystem::exists(file()));
  EXPECT_EQ(fresh.header().format, 1);
  EXPECT_EQ(fresh.header().currentIndex, -1);

  writeBytes(file(), bookHeader(1, 0, 1, 0) + noisyRecord(1, "A"));
  LoadDatabase emptied(file());
  ASSERT_EQ(emptied.readDatabase(), 1);
  emptied.removeLoad(emptied.loadAt(0));
  ASSERT_FALSE(emptied.writeDatabase());
  EXPECT_EQ(readBytes(file()), bookHeader(1, 0, 0, -1));
}

TEST_F(LoadDatabaseFile, AMissingFileLeavesTheListAsItWas) {
  LoadDatabase database(file());
  LoadRecord& kept = database.addLoadCopy(makeLoad("A", 1));
  database.setCurrentLoad(&kept);
  EXPECT_EQ(database.readDatabase(), 0);
  EXPECT_EQ(database.loadCount(), 1);
  EXPECT_EQ(database.currentLoad(), &kept);
}

TEST_F(LoadDatabaseFile, AnEmptyFileIsAnEmptyBook) {
  writeBytes(file(), "");
  LoadDatabase database(file());
  database.addLoadCopy(makeLoad("A", 1));
  EXPECT_EQ(database.readDatabase(), 0);
  EXPECT_EQ(database.loadCount(), 0);
  EXPECT_TRUE(database.fileWasRead());
  EXPECT_FALSE(database.readProblem());
  ASSERT_FALSE(database.writeDatabase());
  EXPECT_EQ(readBytes(file()), bookHeader(1, 0, 0, -1));
}

TEST_F(LoadDatabaseFile, AShortHeaderReadsNoLoads) {
  writeBytes(file(), std::string("\x01\x00\x00\x00\x05", 5));
  LoadDatabase database(file());
  EXPECT_EQ(database.readDatabase(), 0);
  EXPECT_EQ(database.header().count, 5);  // the rest of the header kept its start-up zero
  EXPECT_TRUE(database.fileWasRead());
}

TEST_F(LoadDatabaseFile, NegativeCountMeansNoRecords) {
  writeBytes(file(), bookHeader(1, 0, -3, 0) + noisyRecord(1, "A"));
  LoadDatabase database(file());
  EXPECT_EQ(database.readDatabase(), 0);
}

TEST_F(LoadDatabaseFile, APartlyPresentRecordIsCompletedWithZeros) {
  const std::string third = noisyRecord(3, "C");
  writeBytes(file(),
             bookHeader(1, 0, 3, 2) + noisyRecord(1, "A") + noisyRecord(2, "B") + third.substr(0, 500));
  LoadDatabase database(file());
  ASSERT_EQ(database.readDatabase(), 3);
  const LoadRecordBytes bytes = loadRecordBytes(*database.loadAt(2));
  EXPECT_EQ(asString(bytes).substr(0, 500), third.substr(0, 500));
  EXPECT_EQ(asString(bytes).substr(500), std::string(600, '\0'));
  EXPECT_EQ(database.currentLoad(), database.loadAt(2));
}

TEST_F(LoadDatabaseFile, AHeaderClaimingMoreThanTheFileHoldsStopsAtItsEnd) {
  for (std::int32_t count : {3, 0x7FFFFFFF}) {
    writeBytes(file(), bookHeader(1, 0, count, 0) + noisyRecord(1, "A") + noisyRecord(2, "B"));
    LoadDatabase database(file());
    EXPECT_EQ(database.readDatabase(), 2) << count;
    EXPECT_EQ(database.header().count, count);
  }
}

TEST_F(LoadDatabaseFile, ExtraBytesBeyondTheCountAreIgnored) {
  writeBytes(file(), bookHeader(1, 0, 1, 0) + noisyRecord(1, "A") + noisyRecord(2, "B"));
  LoadDatabase database(file());
  EXPECT_EQ(database.readDatabase(), 1);
}

TEST_F(LoadDatabaseFile, AFolderInPlaceOfTheFileIsReportedAndNeverReplaced) {
  std::filesystem::create_directory(file());
  writeBytes(file() / "inside", "keep");
  LoadDatabase database(file());
  database.addLoadCopy(makeLoad("A", 1));
  EXPECT_EQ(database.readDatabase(), 0);
  EXPECT_EQ(database.loadCount(), 1);
  ASSERT_TRUE(database.readProblem());
  EXPECT_EQ(database.readProblem()->message,
            "Could not read " + file().string() + ": Is a directory");
  EXPECT_FALSE(database.fileWasRead());
  const auto error = database.writeDatabase();
  ASSERT_TRUE(error);
  EXPECT_NE(error->message.find(file().string()), std::string::npos);
  EXPECT_EQ(readBytes(file() / "inside"), "keep");
}

}  // namespace
}  // namespace deadhold
