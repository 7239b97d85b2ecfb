#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "loads/load_database.h"
#include "loads/sample_loads.h"
#include "support/file_size_limit.h"
#include "support/permission_bits_bind.h"
#include "support/scratch_folder_test.h"

namespace deadhold {
namespace {

using testing::bookHeader;
using testing::makeLoad;
using testing::noisyRecord;
using testing::readBytes;
using testing::writeBytes;

class LoadDatabaseFilePosix : public testing::ScratchFolderTest {
 protected:
  void SetUp() override { writeBytes(file(), contents); }
  std::filesystem::path file() const { return folder / "RELOADER.DAT"; }
  const std::string contents = bookHeader(1, 0, 1, 0) + noisyRecord(1, "A");
};

TEST_F(LoadDatabaseFilePosix, AnUnreadableFileIsNeverOverwritten) {
  std::filesystem::permissions(file(), std::filesystem::perms::owner_write);
  LoadDatabase database(file());
  {
    const testing::PermissionBitsBind asAnyUser;
    EXPECT_EQ(database.readDatabase(), 0);
  }
  ASSERT_TRUE(database.readProblem());
  EXPECT_EQ(database.readProblem()->message,
            "Could not read " + file().string() + ": Permission denied");
  database.addLoadCopy(makeLoad("B", 1));
  EXPECT_TRUE(database.writeDatabase());
  std::filesystem::permissions(file(), std::filesystem::perms::owner_all);
  EXPECT_EQ(readBytes(file()), contents);
}

TEST_F(LoadDatabaseFilePosix, AFailedWriteKeepsTheOldFileAndTheBookInMemory) {
  LoadDatabase database(file());
  ASSERT_EQ(database.readDatabase(), 1);
  for (int i = 0; i < 5; ++i) database.addLoadCopy(makeLoad("B", static_cast<float>(i)));
  std::optional<FileError> error;
  {
    const testing::FileSizeLimit limit(3000);
    error = database.writeDatabase();
  }
  ASSERT_TRUE(error);
  EXPECT_EQ(error->message, "Could not write " + file().string() + ": File too large");
  EXPECT_EQ(readBytes(file()), contents);
  EXPECT_EQ(database.loadCount(), 6);
  // No temporary file is left, and no backup: the book has not changed. The write that does
  // change it keeps it as it was.
  EXPECT_EQ(entries(), 1);
  ASSERT_FALSE(database.writeDatabase());
  EXPECT_EQ(readBytes(folder / "RELOADER.BAK"), contents);
}

TEST_F(LoadDatabaseFilePosix, AFileInPlaceOfTheFolderFailsTheWrite) {
  writeBytes(folder / "plain", "x");
  LoadDatabase database(folder / "plain" / "RELOADER.DAT");
  database.addLoadCopy(makeLoad("A", 1));
  const auto error = database.writeDatabase();
  ASSERT_TRUE(error);
  EXPECT_EQ(error->message, "Could not write " + (folder / "plain" / "RELOADER.DAT").string() +
                                ": Not a directory");
}

}  // namespace
}  // namespace deadhold
