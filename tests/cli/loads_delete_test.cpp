#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "cli/cli_runner.h"
#include "loads/load_database.h"
#include "loads/sample_loads.h"
#include "support/temp_folder.h"

namespace deadhold::test {
namespace {

using namespace std::string_literals;
using testing::readBytes;

// Deletes as the Open Load dialog does: the current load moves to its neighbour, the book is
// saved, and what it held before is kept as RELOADER.BAK.
TEST(CliLoadsDelete, RemovesLoadNSavesTheBookAndCanEmptyIt) {
  const testing::TempFolder folder;
  const auto book = folder / "RELOADER.DAT";
  {
    LoadDatabase database(book);
    database.addLoadCopy(testing::makeLoad(".223 Rem", 55));
    database.setCurrentLoad(&database.addLoadCopy(testing::makeLoad(".308 Win", 150)));
    ASSERT_FALSE(database.writeDatabase());
  }
  const std::string before = readBytes(book);

  const CliRun deleted = runCli({"loads", "delete", "1"}, folder.path());
  ASSERT_EQ(deleted.exitCode, 0) << deleted.err;
  EXPECT_EQ(deleted.out, "Deleted load 1: .308 Win Cal, Sierra Gameking, 150 grn\n");
  EXPECT_EQ(readBytes(folder / "RELOADER.BAK"), before);
  LoadDatabase after(book);
  ASSERT_EQ(after.readDatabase(), 1);
  EXPECT_EQ(after.currentLoad(), after.loadAt(0));

  const CliRun beyond = runCli({"loads", "delete", "1"}, folder.path());
  EXPECT_EQ(beyond.exitCode, 2);
  EXPECT_EQ(beyond.err, "deadhold-cli: no load 1: the load book holds 1 load\n");

  ASSERT_EQ(runCli({"loads", "delete", "0"}, folder.path()).exitCode, 0);
  EXPECT_EQ(readBytes(book), "\x01\0\0\0\0\0\0\0\xff\xff\xff\xff"s);
  const CliRun empty = runCli({"loads", "list", "--format", "csv"}, folder.path());
  EXPECT_EQ(splitLines(empty.out).size(), 1u);  // the header alone
}

}  // namespace
}  // namespace deadhold::test
