#include "common/safe_file_writer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "common/file_reading.h"
#include "common/native_file.h"
#include "common/path_text.h"
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

TEST(SafeFileWriter, RefusesWhatCannotBeAFile) {
  testing::TempFolder folder;
  std::filesystem::create_directory(folder / "dir");
  writeBytes(folder / "plain", "p");
  const auto dir = writeFileSafely(folder / "dir", "x");
  ASSERT_TRUE(dir);
  EXPECT_EQ(dir->message, "Could not write " + (folder / "dir").string() + ": Is a directory");
  const auto missing = writeFileSafely(folder / "nowhere" / "x", "x");
  ASSERT_TRUE(missing);
  EXPECT_EQ(missing->message, "Could not write " + (folder / "nowhere" / "x").string() +
                                  ": No such file or directory");
  EXPECT_EQ(readBytes(folder / "plain"), "p");
  EXPECT_EQ(entriesIn(folder.path()), 2);
}

TEST(SafeFileWriter, NamesBeyondOneCodePageAreWrittenReplacedAndNamedInMessages) {
  testing::TempFolder folder;
  const std::filesystem::path file = folder.path() / std::filesystem::path(u8"Müller 7×57 Ладung 日本.BLD");
  ASSERT_FALSE(writeFileSafely(file, "first"));
  ASSERT_FALSE(writeFileSafely(file, "second"));
  EXPECT_EQ(readWholeFile(file, 100).bytes, "second");
  EXPECT_EQ(entriesIn(folder.path()), 1);

  const std::filesystem::path lost = folder.path() / std::filesystem::path(u8"ни.BLD") / "x";
  const auto error = writeFileSafely(lost, "x");
  ASSERT_TRUE(error);
  EXPECT_EQ(error->message, "Could not write " + pathText(lost) + ": No such file or directory");
  EXPECT_NE(error->message.find("\xD0\xBD\xD0\xB8.BLD"), std::string::npos);
}

TEST(SafeFileWriter, TextFilesEndTheirLinesAsThisSystemDoes) {
  const std::string end(native::textLineEnd());
  const struct {
    std::string text;
    std::string written;
  } cases[] = {
      {"", ""},
      {"a\nb\n", "a" + end + "b" + end},
      {"\n\n", end + end},
      {"notes\r\nkept\n", "notes\r\nkept" + end},  // a line end already there stays one
      {"no end", "no end"},
  };
  testing::TempFolder folder;
  for (const auto& c : cases) {
    EXPECT_EQ(withTextLineEnds(c.text), c.written) << c.text;
    ASSERT_FALSE(writeTextFileSafely(folder / "t.txt", c.text));
    EXPECT_EQ(readBytes(folder / "t.txt"), c.written) << c.text;
  }
}

}  // namespace
}  // namespace deadhold
