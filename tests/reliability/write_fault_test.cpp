// Saves whose writes fail part-way, after any number of bytes (the file-size limit stops root
// too), and a save whose final rename is refused: the file keeps its old contents, the reason
// names the file, and nothing is left beside it.
#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <set>

#include "common/safe_file_writer.h"
#include "reliability/program_writers.h"
#include "support/file_size_limit.h"

namespace deadhold {
namespace {

using testing::readBytes;

int entriesIn(const std::filesystem::path& folder) {
  return static_cast<int>(std::distance(std::filesystem::directory_iterator(folder), {}));
}

// Every length of a file up to 2 KB; for a larger one its edges (header, first record, the
// writer's 1 MB buffer, the last byte) and a random sample.
std::set<std::size_t> failurePoints(std::size_t size) {
  std::set<std::size_t> points;
  if (size <= 2048) {
    for (std::size_t n = 0; n < size; ++n) points.insert(n);
    return points;
  }
  for (std::size_t n :
       {std::size_t{0}, std::size_t{1}, kDatabaseHeaderSize - 1, kDatabaseHeaderSize,
        kDatabaseHeaderSize + 1, kDatabaseHeaderSize + kLoadRecordSize, std::size_t{1} << 20,
        (std::size_t{1} << 20) + 1, size - 1})
    if (n < size) points.insert(n);
  std::mt19937 random(size);
  std::uniform_int_distribution<std::size_t> anywhere(0, size - 1);
  while (points.size() < 40) points.insert(anywhere(random));
  return points;
}

TEST(WriteFault, AFailureAfterAnyNumberOfBytesKeepsTheOldFile) {
  testing::TempFolder folder;
  for (const auto& writer : testing::programWriters(folder.path(), 1000)) {
    SCOPED_TRACE(writer.name);
    const std::string fresh = testing::contentsOf(writer, false);
    const std::string old = testing::contentsOf(writer, true);
    const int entries = entriesIn(folder.path());
    for (const std::size_t limit : failurePoints(fresh.size())) {
      std::optional<FileError> error;
      {
        const testing::FileSizeLimit fileSizeLimit(limit);
        error = writer.write(false);
      }
      ASSERT_TRUE(error) << "after " << limit << " bytes";
      ASSERT_EQ(error->message, "Could not write " + writer.file.string() + ": File too large");
      ASSERT_EQ(readBytes(writer.file), old) << "after " << limit << " bytes";
      ASSERT_EQ(entriesIn(folder.path()), entries) << "after " << limit << " bytes";
    }
    std::printf("%s: %zu writes failed part-way, none changed the file\n", writer.name.c_str(),
                failurePoints(fresh.size()).size());
    const testing::FileSizeLimit exactly(fresh.size());
    EXPECT_FALSE(writer.write(false));
    EXPECT_EQ(readBytes(writer.file), fresh);
  }
}

TEST(WriteFault, ARenameRefusedAtTheEndLeavesWhatWasThereAndNoTemporary) {
  testing::TempFolder folder;
  const auto file = folder / "RELOADER.DAT";
  SafeFileWriter writer(file);
  writer.write(std::string(5000, 'n'));
  // Something took the file's name while it was being written.
  std::filesystem::create_directory(file);
  testing::writeBytes(file / "inside", "kept");
  const auto error = writer.commit();
  ASSERT_TRUE(error);
  EXPECT_EQ(error->message, "Could not write " + file.string() + ": Is a directory");
  EXPECT_EQ(readBytes(file / "inside"), "kept");
  EXPECT_EQ(entriesIn(folder.path()), 1);
}

}  // namespace
}  // namespace deadhold
