#include <gtest/gtest.h>

#include "cli/cli_runner.h"
#include "loads/load_database.h"
#include "loads/sample_loads.h"
#include "support/temp_folder.h"

namespace deadhold::test {
namespace {

// As the Open Load dialog deletes: the current load moves to its neighbour, the book is saved
// (the old one kept as RELOADER.BAK), and the last load deleted leaves an empty book.
TEST(CliLoadsDelete, RemovesLoadNSavesTheBookAndCanEmptyIt) {
  const testing::TempFolder folder;
  LoadDatabase start(folder / "RELOADER.DAT");
  start.addLoadCopy(testing::makeLoad(".223 Rem", 55));
  start.setCurrentLoad(&start.addLoadCopy(testing::makeLoad(".308 Win", 150)));
  ASSERT_FALSE(start.writeDatabase());
  const std::string before = testing::readBytes(folder / "RELOADER.DAT");

  const CliRun deleted = runCli({"loads", "delete", "1"}, folder.path());
  EXPECT_EQ(deleted.out, "Deleted load 1: .308 Win Cal, Sierra Gameking, 150 grn\n");
  EXPECT_EQ(testing::readBytes(folder / "RELOADER.BAK"), before);
  EXPECT_EQ(splitLines(runCli({"loads", "list", "--format", "csv"}, folder.path()).out).at(1),
            "0,.223 Rem,55,Sierra,Gameking,,,,0.0,0,0.000,1\r");
  EXPECT_EQ(runCli({"loads", "delete", "1"}, folder.path()).err,
            "deadhold-cli: no load 1: the load book holds 1 load\n");
  ASSERT_EQ(runCli({"loads", "delete", "0"}, folder.path()).exitCode, 0);
  EXPECT_EQ(testing::readBytes(folder / "RELOADER.DAT"),
            std::string("\x01\0\0\0\0\0\0\0\xff\xff\xff\xff", 12));
}

}  // namespace
}  // namespace deadhold::test
