#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "common/safe_file_writer.h"
#include "support/permission_bits_bind.h"
#include "support/scratch_folder_test.h"

namespace deadhold {
namespace {

using testing::readBytes;
using testing::writeBytes;

using SafeFileWriterPosix = testing::ScratchFolderTest;

TEST_F(SafeFileWriterPosix, APathThroughAFileIsNoFolder) {
  writeBytes(folder / "plain", "p");
  const auto under = writeFileSafely(folder / "plain" / "x", "x");
  ASSERT_TRUE(under);
  EXPECT_EQ(under->message,
            "Could not write " + (folder / "plain" / "x").string() + ": Not a directory");
  EXPECT_EQ(readBytes(folder / "plain"), "p");
}

TEST_F(SafeFileWriterPosix, KeepsPermissionsAndRespectsReadOnlyFiles) {
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

TEST_F(SafeFileWriterPosix, ALinkKeepsPointingAtTheReplacedFile) {
  std::filesystem::create_directory(folder / "real");
  writeBytes(folder / "real" / "data", "old");
  std::filesystem::create_symlink(folder / "real" / "data", folder / "link");
  ASSERT_FALSE(writeFileSafely(folder / "link", "new"));
  EXPECT_TRUE(std::filesystem::is_symlink(folder / "link"));
  EXPECT_EQ(readBytes(folder / "real" / "data"), "new");
}

}  // namespace
}  // namespace deadhold
