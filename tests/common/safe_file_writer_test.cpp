#include "common/safe_file_writer.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "support/file_size_limit.h"
#include "support/permission_bits_bind.h"
#include "support/temp_folder.h"

namespace deadhold {
namespace {

using testing::readBytes;
using testing::writeBytes;

int entriesIn(const std::filesystem::path& folder) {
  return static_cast<int>(std::distance(std::filesystem::directory_iterator(folder), {}));
}

TEST(SafeFileWriter, CreatesAndReplacesFiles) {
  testing::TempFolder folder;
  ASSERT_FALSE(writeFileSafely(folder / "a.txt", "first"));
  EXPECT_EQ(readBytes(folder / "a.txt"), "first");
  ASSERT_FALSE(writeFileSafely(folder / "a.txt", std::string(3 << 20, 'z')));
  EXPECT_EQ(readBytes(folder / "a.txt"), std::string(3 << 20, 'z'));
  ASSERT_FALSE(writeFileSafely(folder / "a.txt", ""));
  EXPECT_EQ(readBytes(folder / "a.txt"), "");
  EXPECT_EQ(entriesIn(folder.path()), 1);
}

TEST(SafeFileWriter, WritesPiecesInOrderAcrossTheBuffer) {
  testing::TempFolder folder;
  SafeFileWriter writer(folder / "pieces");
  std::string expected;
  for (int i = 0; i < 3000; ++i) {
    const std::string piece = std::to_string(i) + std::string(i % 977, 'x') + "\n";
    writer.write(piece);
    expected += piece;
  }
  EXPECT_FALSE(writer.commit());
  EXPECT_FALSE(writer.commit());  // once done, done
  EXPECT_EQ(readBytes(folder / "pieces"), expected);
}

TEST(SafeFileWriter, AnAbandonedWriteLeavesTheOldFile) {
  testing::TempFolder folder;
  writeBytes(folder / "kept", "old");
  {
    SafeFileWriter writer(folder / "kept");
    writer.write("new");
  }
  EXPECT_EQ(readBytes(folder / "kept"), "old");
  EXPECT_EQ(entriesIn(folder.path()), 1);
}

TEST(SafeFileWriter, AWriteFailingPartWayLeavesTheOldFile) {
  testing::TempFolder folder;
  writeBytes(folder / "kept", "old");
  std::optional<FileError> error;
  {
    const testing::FileSizeLimit limit(1000);
    error = writeFileSafely(folder / "kept", std::string(5000, 'n'));
  }
  ASSERT_TRUE(error);
  EXPECT_EQ(error->message, "Could not write " + (folder / "kept").string() + ": File too large");
  EXPECT_EQ(readBytes(folder / "kept"), "old");
  EXPECT_EQ(entriesIn(folder.path()), 1);
}

TEST(SafeFileWriter, RefusesWhatCannotBeAFile) {
  testing::TempFolder folder;
  std::filesystem::create_directory(folder / "dir");
  writeBytes(folder / "plain", "p");
  const auto dir = writeFileSafely(folder / "dir", "x");
  ASSERT_TRUE(dir);
  EXPECT_EQ(dir->message, "Could not write " + (folder / "dir").string() + ": Is a directory");
  const auto under = writeFileSafely(folder / "plain" / "x", "x");
  ASSERT_TRUE(under);
  EXPECT_EQ(under->message,
            "Could not write " + (folder / "plain" / "x").string() + ": Not a directory");
  const auto missing = writeFileSafely(folder / "nowhere" / "x", "x");
  ASSERT_TRUE(missing);
  EXPECT_EQ(missing->message, "Could not write " + (folder / "nowhere" / "x").string() +
                                  ": No such file or directory");
  EXPECT_EQ(readBytes(folder / "plain"), "p");
  EXPECT_EQ(entriesIn(folder.path()), 2);
}

TEST(SafeFileWriter, KeepsPermissionsAndRespectsReadOnlyFiles) {
  testing::TempFolder folder;
  writeBytes(folder / "shared", "old");
  ::chmod((folder / "shared").c_str(), 0640);
  ASSERT_FALSE(writeFileSafely(folder / "shared", "new"));
  struct stat info {};
  ::stat((folder / "shared").c_str(), &info);
  EXPECT_EQ(info.st_mode & 07777, 0640u);

  ::chmod((folder / "shared").c_str(), 0440);
  std::optional<FileError> error;
  {
    const testing::PermissionBitsBind asAnyUser;
    error = writeFileSafely(folder / "shared", "newer");
  }
  ASSERT_TRUE(error);
  EXPECT_NE(error->message.find("Permission denied"), std::string::npos);
  EXPECT_EQ(readBytes(folder / "shared"), "new");
}

TEST(SafeFileWriter, ALinkKeepsPointingAtTheReplacedFile) {
  testing::TempFolder folder;
  std::filesystem::create_directory(folder / "real");
  writeBytes(folder / "real" / "data", "old");
  std::filesystem::create_symlink(folder / "real" / "data", folder / "link");
  ASSERT_FALSE(writeFileSafely(folder / "link", "new"));
  EXPECT_TRUE(std::filesystem::is_symlink(folder / "link"));
  EXPECT_EQ(readBytes(folder / "real" / "data"), "new");
}

}  // namespace
}  // namespace deadhold
