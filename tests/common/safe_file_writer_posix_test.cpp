#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "common/safe_file_writer.h"
#include "support/child_process.h"
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

ino_t inodeOf(const std::filesystem::path& file) {
  struct stat info {};
  ::stat(file.c_str(), &info);
  return info.st_ino;
}

// Writes `contents` over `file` in pieces, keeping the replaced file as `backup`; answers whether
// the writer saw a change.
bool writeKeeping(const std::filesystem::path& file, const std::filesystem::path& backup,
                  const std::string& contents) {
  SafeFileWriter writer(file);
  writer.keepReplacedAs(backup);
  for (std::size_t at = 0; at < contents.size(); at += 1000)
    writer.write(contents.substr(at, 1000));
  EXPECT_FALSE(writer.commit());
  return writer.changedTarget();
}

TEST_F(SafeFileWriterPosix, ABackupIsKeptOnlyWhenTheNewBytesDiffer) {
  const std::string large(3 << 20, 'l');
  std::string longer = large;
  longer.push_back('x');
  std::string changedDeepInside = large;
  changedDeepInside[large.size() - 2] = 'm';
  const struct {
    std::string old;
    std::string written;
    bool changes;
  } cases[] = {{"abc", "abc", false}, {"abc", "abd", true},  {"abc", "ab", true},
               {"ab", "abc", true},   {"", "", false},       {large, large, false},
               {large, longer, true}, {longer, large, true}, {large, changedDeepInside, true}};
  for (const auto& c : cases) {
    writeBytes(folder / "book", c.old);
    writeBytes(folder / "book.bak", "older");
    EXPECT_EQ(writeKeeping(folder / "book", folder / "book.bak", c.written), c.changes)
        << c.old.size() << " " << c.written.size();
    EXPECT_EQ(readBytes(folder / "book"), c.written);
    EXPECT_EQ(readBytes(folder / "book.bak"), c.changes ? c.old : "older");
    EXPECT_EQ(entries(), 2);
  }
}

TEST_F(SafeFileWriterPosix, ANewFileChangesAndLeavesNoBackup) {
  EXPECT_TRUE(writeKeeping(folder / "book", folder / "book.bak", "new"));
  EXPECT_EQ(entries(), 1);
}

// Nothing is copied: the replaced file itself takes the backup's name.
TEST_F(SafeFileWriterPosix, TheReplacedFileItselfBecomesTheBackup) {
  writeBytes(folder / "book", "old");
  const ino_t old = inodeOf(folder / "book");
  EXPECT_TRUE(writeKeeping(folder / "book", folder / "book.bak", "new"));
  EXPECT_EQ(inodeOf(folder / "book.bak"), old);
  EXPECT_EQ(readBytes(folder / "book.bak"), "old");
}

// A backup on another file system cannot be a second name of the file: it is copied.
TEST_F(SafeFileWriterPosix, ABackupElsewhereIsCopied) {
  std::filesystem::create_directory(folder / "other");
  const auto outcome = testing::runInChild([&] {
    testing::enterPrivateMounts();
    testing::mountSmallDisk(folder / "other", 1 << 20);
    writeBytes(folder / "book", "old");
    const bool changed = writeKeeping(folder / "book", folder / "other" / "book.bak", "new");
    const auto inOther = std::distance(std::filesystem::directory_iterator(folder / "other"), {});
    return std::to_string(changed) + readBytes(folder / "other" / "book.bak") +
           readBytes(folder / "book") + std::to_string(inOther);
  });
  if (!outcome.unavailable.empty()) GTEST_SKIP() << outcome.unavailable;
  EXPECT_EQ(outcome.text, "1oldnew1");
}

// Where the folder takes no new files, the file is written over in place, so a second name of
// it would change with it: its old bytes are copied first, beside it or elsewhere.
TEST_F(SafeFileWriterPosix, AFileWrittenOverInPlaceIsCopiedToTheBackupFirst) {
  std::filesystem::create_directory(folder / "open");
  for (const auto& backup : {folder / "book.bak", folder / "open" / "book.bak"}) {
    writeBytes(folder / "book", "old");
    writeBytes(backup, "older");
    {
      const testing::PermissionBitsBind asAnyUser;
      std::filesystem::permissions(
          folder.path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
      EXPECT_TRUE(writeKeeping(folder / "book", backup, "new"));
      std::filesystem::permissions(folder.path(), std::filesystem::perms::owner_all);
    }
    EXPECT_EQ(readBytes(folder / "book"), "new");
    EXPECT_EQ(readBytes(backup), "old") << backup;
  }
}

}  // namespace
}  // namespace deadhold
