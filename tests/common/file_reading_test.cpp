#include "common/file_reading.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <functional>
#include <string>

#include "support/permission_bits_bind.h"
#include "support/temp_folder.h"

namespace deadhold {
namespace {

using Outcome = FileContents::Outcome;
namespace fs = std::filesystem;

TEST(ReadWholeFile, TakesRegularFilesUpToTheLimitAndRefusesEverythingElse) {
  testing::TempFolder folder;
  const struct {
    const char* name;
    std::function<fs::path()> make;
    Outcome outcome;
    std::string bytesOrReason;
  } cases[] = {
      {"plain", [&] { testing::writeBytes(folder / "a", std::string("x\0y", 3)); return folder / "a"; },
       Outcome::Read, std::string("x\0y", 3)},
      {"empty", [&] { testing::writeBytes(folder / "e", ""); return folder / "e"; }, Outcome::Read, ""},
      {"at the limit", [&] { testing::writeBytes(folder / "l", "0123456789"); return folder / "l"; },
       Outcome::Read, "0123456789"},
      {"over the limit", [&] { testing::writeBytes(folder / "o", "0123456789+"); return folder / "o"; },
       Outcome::TooLarge, "larger than 10 bytes"},
      {"missing", [&] { return folder / "none"; }, Outcome::Missing, "No such file or directory"},
      {"folder", [&] { return folder.path(); }, Outcome::Refused, "Is a directory"},
      {"pipe", [&] { ::mkfifo((folder / "fifo").c_str(), 0644); return folder / "fifo"; },
       Outcome::Refused, "not a regular file"},
      {"device", [] { return fs::path("/dev/zero"); }, Outcome::Refused, "not a regular file"},
      {"under a file", [&] { return folder / "a" / "b"; }, Outcome::Refused, "Not a directory"},
  };
  for (const auto& c : cases) {
    const FileContents contents = readWholeFile(c.make(), 10);
    EXPECT_EQ(contents.outcome, c.outcome) << c.name;
    EXPECT_EQ(c.outcome == Outcome::Read ? contents.bytes : contents.reason, c.bytesOrReason)
        << c.name;
    if (c.outcome != Outcome::Read) {
      EXPECT_EQ(contents.bytes, "") << c.name;
    }
  }
}

TEST(ReadWholeFile, AHugeFileIsRefusedBeforeAnythingIsRead) {
  testing::TempFolder folder;
  const fs::path huge = folder / "huge";
  testing::writeBytes(huge, "");
  fs::resize_file(huge, 64 * kMebibyte + 1);  // sparse: nothing is written
  const FileContents contents = readWholeFile(huge, 64 * kMebibyte);
  EXPECT_EQ(contents.outcome, Outcome::TooLarge);
  EXPECT_EQ(readError(huge, contents.reason).message,
            "Could not read " + huge.string() + ": larger than 64 MiB");
}

TEST(ReadWholeFile, AFileThatMayNotBeReadSaysSo) {
  testing::TempFolder folder;
  testing::writeBytes(folder / "secret", "s");
  fs::permissions(folder / "secret", fs::perms::owner_write);
  const testing::PermissionBitsBind asAnyUser;
  const FileContents contents = readWholeFile(folder / "secret", 10);
  EXPECT_EQ(contents.outcome, Outcome::Refused);
  EXPECT_EQ(contents.reason, "Permission denied");
}

}  // namespace
}  // namespace deadhold
