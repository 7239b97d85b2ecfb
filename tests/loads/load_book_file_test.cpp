#include "loads/load_book_file.h"

#include <gtest/gtest.h>

#include "loads/load_database.h"
#include "loads/sample_loads.h"
#include "support/scratch_folder_test.h"

namespace deadhold {
namespace {

using namespace std::string_literals;
using testing::readBytes;
using LoadBookFile = testing::ScratchFolderTest;

TEST(IsLoadBook, EveryBookEverWrittenAndNothingElse) {
  for (const std::string& book : {""s, "\x01"s, "\x01\x00\x00\x00\xff\xff\xff\xff\x00"s})
    EXPECT_TRUE(isLoadBook(book)) << book.size();
  for (const std::string& other : {"\x02\x00\x00\x00"s, "\x01\x00\x01\x00"s, "Sierra\t.224\n"s})
    EXPECT_FALSE(isLoadBook(other)) << other;
}

TEST_F(LoadBookFile, AFileThatIsNoBookIsNeverWrittenOverAndIsSetAsideUnderAFreeName) {
  const auto book = folder / "RELOADER.DAT";
  testing::writeBytes(book, "notes");
  testing::writeBytes(folder / "RELOADER.DAT.not-a-load-book", "taken");
  LoadDatabase database(book);
  EXPECT_EQ(database.readDatabase(), 0);
  database.addLoadCopy(testing::makeLoad(".308", 150));
  EXPECT_TRUE(database.writeDatabase());
  EXPECT_EQ(readBytes(book), "notes");
  EXPECT_EQ(database.setAsideForeignFile().keptAs, folder / "RELOADER.DAT.not-a-load-book-2");
  ASSERT_FALSE(database.writeDatabase());
  EXPECT_EQ(readBytes(book).size(), 12u + 1100u);
}

// Only a write that changes the book replaces the backup, and only the session's first one.
TEST_F(LoadBookFile, TheFirstWriteThatChangesTheBookKeepsItAsItWas) {
  const auto book = folder / "RELOADER.DAT";
  testing::writeBytes(folder / "RELOADER.BAK", "older");
  LoadDatabase session(book);
  session.addLoadCopy(testing::makeLoad(".308", 150));
  ASSERT_FALSE(session.writeDatabase());  // a new book: nothing to go back to
  const std::string original = readBytes(book);
  LoadDatabase later(book);
  ASSERT_EQ(later.readDatabase(), 1);
  ASSERT_FALSE(later.writeDatabase());
  EXPECT_EQ(readBytes(folder / "RELOADER.BAK"), "older");
  later.removeLoad(later.loadAt(0));
  ASSERT_FALSE(later.writeDatabase());
  later.addLoadCopy(testing::makeLoad(".223", 55));
  ASSERT_FALSE(later.writeDatabase());
  EXPECT_EQ(readBytes(folder / "RELOADER.BAK"), original);
}

}  // namespace
}  // namespace deadhold
