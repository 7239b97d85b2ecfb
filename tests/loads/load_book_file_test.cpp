#include "loads/load_book_file.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "loads/load_database.h"
#include "loads/sample_loads.h"
#include "support/temp_folder.h"

namespace deadhold {
namespace {

using namespace std::string_literals;
using testing::makeLoad;
using testing::readBytes;
using testing::writeBytes;

std::string randomBytes(std::size_t size) {
  std::mt19937 random(7);
  std::string bytes(size, '\0');
  for (char& byte : bytes) byte = static_cast<char>(random() & 0xFF);
  return bytes;
}

TEST(IsLoadBook, EveryBookEverWrittenAndNothingElse) {
  const struct {
    std::string bytes;
    bool book;
  } cases[] = {
      {"", true},
      {"\x01"s, true},
      {"\x01\x00\x00\x00\x05"s, true},
      {"\x01\x00\x00\x00\xff\xff\xff\xff\x00\x00\x00\x00"s + std::string(500, 'x'), true},
      {"\x02\x00\x00\x00"s, false},
      {"\x01\x00\x01\x00"s, false},
      {"\x00"s, false},
      {"Sierra\t.224\t52\n", false},
      {randomBytes(5000), false},
  };
  for (const auto& c : cases) EXPECT_EQ(isLoadBook(c.bytes), c.book) << c.bytes.size();
}

class LoadBookFile : public ::testing::Test {
 protected:
  std::filesystem::path book() const { return folder / "RELOADER.DAT"; }
  testing::TempFolder folder;
};

TEST_F(LoadBookFile, AFileThatIsNoBookIsNeverWrittenOverAndCanBeSetAside) {
  const std::string foreign = randomBytes(5000);
  writeBytes(book(), foreign);
  writeBytes(folder / "RELOADER.DAT.not-a-load-book", "taken");
  LoadDatabase database(book());
  EXPECT_EQ(database.readDatabase(), 0);
  EXPECT_TRUE(database.fileIsNoLoadBook());
  ASSERT_TRUE(database.readProblem());
  EXPECT_EQ(database.readProblem()->message, "Could not read " + book().string() + ": not a load book");
  database.addLoadCopy(makeLoad(".308", 150));
  EXPECT_TRUE(database.writeDatabase());
  EXPECT_EQ(readBytes(book()), foreign);

  const SetAsideOutcome aside = database.setAsideForeignFile();
  ASSERT_FALSE(aside.error);
  EXPECT_EQ(aside.keptAs, folder / "RELOADER.DAT.not-a-load-book-2");
  EXPECT_EQ(readBytes(aside.keptAs), foreign);
  EXPECT_EQ(readBytes(folder / "RELOADER.DAT.not-a-load-book"), "taken");
  EXPECT_FALSE(database.readProblem());
  ASSERT_FALSE(database.writeDatabase());
  LoadDatabase fresh(book());
  EXPECT_EQ(fresh.readDatabase(), 1);
  EXPECT_FALSE(std::filesystem::exists(folder / "RELOADER.BAK"));
}

TEST_F(LoadBookFile, ABookStartedInThisSessionAndEmptiedIsWrittenEmpty) {
  LoadDatabase database(book());
  EXPECT_EQ(database.readDatabase(), 0);
  database.setCurrentLoad(&database.addLoadCopy(makeLoad(".308", 150)));
  ASSERT_FALSE(database.writeDatabase());
  database.removeLoad(database.currentLoad());
  ASSERT_FALSE(database.writeDatabase());
  EXPECT_EQ(readBytes(book()), "\x01\x00\x00\x00\x00\x00\x00\x00\xff\xff\xff\xff"s);
}

TEST_F(LoadBookFile, TheFirstWriteThatChangesTheBookKeepsItAsItWas) {
  LoadDatabase first(book());
  first.addLoadCopy(makeLoad(".308", 150));
  ASSERT_FALSE(first.writeDatabase());
  const std::string original = readBytes(book());
  EXPECT_FALSE(std::filesystem::exists(folder / "RELOADER.BAK"));  // nothing to go back to

  LoadDatabase session(book());
  ASSERT_EQ(session.readDatabase(), 1);
  ASSERT_FALSE(session.writeDatabase());  // unchanged: no backup yet
  EXPECT_FALSE(std::filesystem::exists(folder / "RELOADER.BAK"));
  session.removeLoad(session.loadAt(0));
  ASSERT_FALSE(session.writeDatabase());
  EXPECT_EQ(readBytes(folder / "RELOADER.BAK"), original);
  session.addLoadCopy(makeLoad(".223", 55));
  ASSERT_FALSE(session.writeDatabase());  // later writes of the session keep that backup
  EXPECT_EQ(readBytes(folder / "RELOADER.BAK"), original);

  const std::string beforeNextSession = readBytes(book());
  LoadDatabase unchanged(book());
  ASSERT_EQ(unchanged.readDatabase(), 1);
  ASSERT_FALSE(unchanged.writeDatabase());  // a session that changes nothing keeps it too
  EXPECT_EQ(readBytes(folder / "RELOADER.BAK"), original);
  EXPECT_EQ(readBytes(book()), beforeNextSession);
}

TEST(BackupFileOf, BesideTheBookWithItsOwnExtension) {
  EXPECT_EQ(backupFileOf("RELOADER.DAT"), "RELOADER.BAK");
  EXPECT_EQ(backupFileOf("/data/loads"), "/data/loads.BAK");
  EXPECT_EQ(backupFileOf("old.BAK"), "old.BAK.BAK");
}

}  // namespace
}  // namespace deadhold
