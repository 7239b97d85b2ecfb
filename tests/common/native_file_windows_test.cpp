#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <string>

#include "common/file_reading.h"
#include "common/safe_file_writer.h"
#include "support/scratch_folder_test.h"

namespace deadhold {
namespace {

using testing::readBytes;
using testing::writeBytes;
using WindowsFiles = testing::ScratchFolderTest;

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

TEST_F(WindowsFiles, TextFilesEndTheirLinesInCrLf) {
  ASSERT_FALSE(writeTextFileSafely(folder / "LOAD.TXT", "Load\nNotes\r\nend\n"));
  EXPECT_EQ(readBytes(folder / "LOAD.TXT"), "Load\r\nNotes\r\nend\r\n");
}

TEST_F(WindowsFiles, AFileAnotherProgramHoldsOpenIsKeptAndTheWriteSaysWhy) {
  const auto file = folder / "RELOADER.DAT";
  for (const DWORD share :
       {DWORD{0}, DWORD{FILE_SHARE_READ}, DWORD{FILE_SHARE_READ | FILE_SHARE_WRITE}}) {
    writeBytes(file, "old");
    std::optional<FileError> error;
    {
      const HeldOpen other(file, share);
      ASSERT_TRUE(other.held()) << "share mode " << share;
      error = writeFileSafely(file, "new");
    }
    ASSERT_TRUE(error) << "share mode " << share;
    EXPECT_NE(error->message.find("open in another program"), std::string::npos) << error->message;
    EXPECT_EQ(readBytes(file), "old") << "share mode " << share;
    EXPECT_EQ(entries(), 1) << "share mode " << share;
    // Once the other program lets go, the same write goes through.
    EXPECT_FALSE(writeFileSafely(file, "new")) << "share mode " << share;
    EXPECT_EQ(readBytes(file), "new") << "share mode " << share;
  }
}

TEST_F(WindowsFiles, AFileHeldWithoutSharingAndADeviceNameCannotBeReadAndSayWhy) {
  writeBytes(folder / "BULLETS.TXT", "x");
  const HeldOpen other(folder / "BULLETS.TXT", 0);
  const FileContents held = readWholeFile(folder / "BULLETS.TXT", 10);
  EXPECT_EQ(held.outcome, FileContents::Outcome::Refused);
  EXPECT_EQ(held.reason, "The file is open in another program");
  const FileContents device = readWholeFile("NUL", 10);
  EXPECT_EQ(device.outcome, FileContents::Outcome::Refused);
  EXPECT_EQ(device.reason, "not a regular file");
}

// A read-only file is refused and kept; a hidden one is replaced and stays hidden.
TEST_F(WindowsFiles, AReplacedFileKeepsItsAttributesAndAReadOnlyOneIsKept) {
  const auto file = folder / "LOAD.TXT";
  writeBytes(file, "old");
  SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_READONLY);
  const auto error = writeFileSafely(file, "new");
  SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_HIDDEN);
  ASSERT_TRUE(error);
  EXPECT_NE(error->message.find("Permission denied"), std::string::npos) << error->message;
  EXPECT_EQ(readBytes(file), "old");
  EXPECT_EQ(entries(), 1);
  ASSERT_FALSE(writeFileSafely(file, "new"));
  EXPECT_EQ(readBytes(file), "new");
  EXPECT_TRUE(GetFileAttributesW(file.c_str()) & FILE_ATTRIBUTE_HIDDEN);
}

}  // namespace
}  // namespace deadhold
