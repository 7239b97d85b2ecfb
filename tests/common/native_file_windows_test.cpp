#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <string>

#include "common/file_reading.h"
#include "common/safe_file_writer.h"
#include "support/temp_folder.h"

namespace deadhold {
namespace {

using testing::readBytes;
using testing::writeBytes;

int entriesIn(const std::filesystem::path& folder) {
  return static_cast<int>(std::distance(std::filesystem::directory_iterator(folder), {}));
}

// Another program's hold on a file, as the share mode it opened the file with.
class HeldOpen {
 public:
  HeldOpen(const std::filesystem::path& file, DWORD share)
      : handle_(CreateFileW(file.c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr)) {}
  ~HeldOpen() { CloseHandle(handle_); }
  bool held() const { return handle_ != INVALID_HANDLE_VALUE; }

 private:
  HANDLE handle_;
};

TEST(WindowsFiles, TextFilesEndTheirLinesInCrLf) {
  testing::TempFolder folder;
  ASSERT_FALSE(writeTextFileSafely(folder / "LOAD.TXT", "Load\nNotes\r\nend\n"));
  EXPECT_EQ(readBytes(folder / "LOAD.TXT"), "Load\r\nNotes\r\nend\r\n");
}

TEST(WindowsFiles, AFileAnotherProgramHoldsOpenIsKeptAndTheWriteSaysWhy) {
  const struct {
    const char* name;
    DWORD share;
  } holds[] = {
      {"not shared", 0},
      {"shared for reading", FILE_SHARE_READ},
      {"shared for reading and writing", FILE_SHARE_READ | FILE_SHARE_WRITE},
  };
  for (const auto& hold : holds) {
    testing::TempFolder folder;
    writeBytes(folder / "RELOADER.DAT", "old");
    std::optional<FileError> error;
    {
      const HeldOpen other(folder / "RELOADER.DAT", hold.share);
      ASSERT_TRUE(other.held()) << hold.name;
      error = writeFileSafely(folder / "RELOADER.DAT", "new");
    }
    ASSERT_TRUE(error) << hold.name;
    EXPECT_NE(error->message.find("open in another program"), std::string::npos)
        << hold.name << ": " << error->message;
    EXPECT_EQ(readBytes(folder / "RELOADER.DAT"), "old") << hold.name;
    EXPECT_EQ(entriesIn(folder.path()), 1) << hold.name;
    // Once the other program lets go, the same write goes through.
    EXPECT_FALSE(writeFileSafely(folder / "RELOADER.DAT", "new")) << hold.name;
    EXPECT_EQ(readBytes(folder / "RELOADER.DAT"), "new") << hold.name;
  }
}

TEST(WindowsFiles, AFileHeldWithoutSharingCannotBeReadAndSaysWhy) {
  testing::TempFolder folder;
  writeBytes(folder / "BULLETS.TXT", "x");
  const HeldOpen other(folder / "BULLETS.TXT", 0);
  const FileContents contents = readWholeFile(folder / "BULLETS.TXT", 10);
  EXPECT_EQ(contents.outcome, FileContents::Outcome::Refused);
  EXPECT_EQ(contents.reason, "The file is open in another program");
}

TEST(WindowsFiles, AReadOnlyFileIsRefusedAndKept) {
  testing::TempFolder folder;
  const auto file = folder / "LOAD.TXT";
  writeBytes(file, "old");
  SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_READONLY);
  const auto error = writeFileSafely(file, "new");
  SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);
  ASSERT_TRUE(error);
  EXPECT_NE(error->message.find("Permission denied"), std::string::npos) << error->message;
  EXPECT_EQ(readBytes(file), "old");
  EXPECT_EQ(entriesIn(folder.path()), 1);
}

TEST(WindowsFiles, AReplacedFileKeepsItsHiddenAttribute) {
  testing::TempFolder folder;
  const auto file = folder / "RELOADER.DAT";
  writeBytes(file, "old");
  SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_HIDDEN);
  ASSERT_FALSE(writeFileSafely(file, "new"));
  EXPECT_EQ(readBytes(file), "new");
  EXPECT_TRUE(GetFileAttributesW(file.c_str()) & FILE_ATTRIBUTE_HIDDEN);
}

TEST(WindowsFiles, ADeviceNameIsNoFile) {
  const FileContents contents = readWholeFile("NUL", 10);
  EXPECT_EQ(contents.outcome, FileContents::Outcome::Refused);
  EXPECT_EQ(contents.reason, "not a regular file");
}

}  // namespace
}  // namespace deadhold
