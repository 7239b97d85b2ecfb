#include "loads/load_database.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "loads/sample_loads.h"
#include "support/same_bytes.h"

namespace deadhold {
namespace {

using testing::makeLoad;

std::vector<std::string> names(const LoadDatabase& database) {
  std::vector<std::string> result;
  for (int i = 0; i < database.loadCount(); ++i) result.push_back(database.loadAt(i)->loadName.str());
  return result;
}

TEST(LoadDatabaseList, StartsEmptyWithoutCurrentLoadOrHeader) {
  const LoadDatabase database;
  EXPECT_EQ(database.loadCount(), 0);
  EXPECT_EQ(database.currentLoad(), nullptr);
  EXPECT_EQ(database.loadAt(0), nullptr);
  EXPECT_EQ(database.header().format, 0);
  EXPECT_EQ(database.header().count, 0);
  EXPECT_EQ(database.header().currentIndex, 0);
  EXPECT_FALSE(database.fileWasRead());
  EXPECT_EQ(database.file(), "RELOADER.DAT");
}

TEST(LoadDatabaseList, AppendCopiesWithAnEmptyLinkAndLeavesTheCurrentLoad) {
  LoadDatabase database;
  LoadRecord original = makeLoad(".308", 150, "Nosler", "Partition", "first");
  original.next = 0x12345678;
  LoadRecord& copy = database.addLoadCopy(original);
  EXPECT_NE(&copy, &original);
  EXPECT_EQ(database.loadAt(0), &copy);
  EXPECT_EQ(copy.next, 0u);
  copy.next = original.next;
  EXPECT_TRUE(sameBytes(copy, original));
  EXPECT_EQ(database.currentLoad(), nullptr);

  database.setCurrentLoad(&copy);
  database.addLoadCopy(makeLoad(".223", 55, "Hornady", "V-Max", "second"));
  EXPECT_EQ(database.currentLoad(), &copy);
  EXPECT_EQ(names(database), (std::vector<std::string>{"second", "first"}));
}

TEST(LoadDatabaseSort, ShortCaliberBeforeLongerAndWeightAsText) {
  LoadDatabase database;
  database.addLoadCopy(makeLoad(".270 Win", 90, "Sierra", "Gameking", "win 90"));
  database.addLoadCopy(makeLoad(".270", 55, "Sierra", "Gameking", "plain 55"));
  database.addLoadCopy(makeLoad(".270", 150, "Sierra", "Gameking", "plain 150"));
  database.addLoadCopy(makeLoad(".270", 1500, "Sierra", "Gameking", "plain 1500"));
  EXPECT_EQ(names(database),
            (std::vector<std::string>{"plain 150", "plain 1500", "plain 55", "win 90"}));
}

TEST(LoadDatabaseSort, FoldsCaseAndKeepsEqualKeysInAppendOrder) {
  LoadDatabase database;
  database.addLoadCopy(makeLoad(".270 WIN", 130, "Sierra", "Gameking", "one"));
  database.addLoadCopy(makeLoad(".270 win", 130, "SIERRA", "gameking", "two"));
  database.addLoadCopy(makeLoad(".270 Win", 130, "sierra", "GAMEKING", "three"));
  database.addLoadCopy(makeLoad(".270 Win", 130, "Sierra", "Gameking", "four"));
  EXPECT_EQ(names(database), (std::vector<std::string>{"one", "two", "three", "four"}));
}

TEST(LoadDatabaseSort, ComparesFoldedBytesAsUnsigned) {
  LoadDatabase database;
  database.addLoadCopy(makeLoad("7mm\xE9", 1, "", "", "high byte"));
  database.addLoadCopy(makeLoad("7mmZ", 1, "", "", "letter"));
  database.addLoadCopy(makeLoad("7mm_", 1, "", "", "underscore"));
  database.addLoadCopy(makeLoad("7mm", 1, "B", "", "maker B"));
  database.addLoadCopy(makeLoad("7mm", 1, "a", "", "maker a"));
  EXPECT_EQ(names(database), (std::vector<std::string>{"maker a", "maker B", "underscore",
                                                       "letter", "high byte"}));
}

TEST(LoadDatabaseSort, RecordsKeepTheirAddresses) {
  LoadDatabase database;
  LoadRecord& b = database.addLoadCopy(makeLoad("B", 1));
  LoadRecord& a = database.addLoadCopy(makeLoad("A", 1));
  database.setCurrentLoad(&b);
  database.sortLoads();
  EXPECT_EQ(database.loadAt(0), &a);
  EXPECT_EQ(database.loadAt(1), &b);
  EXPECT_EQ(database.currentLoad(), &b);
  EXPECT_EQ(database.indexOfLoad(&b), 1);
}

TEST(LoadDatabaseLookup, PositionsOutsideTheListGiveNothing) {
  LoadDatabase database;
  database.addLoadCopy(makeLoad("A", 1));
  const LoadRecord outsider = makeLoad("A", 1);
  EXPECT_EQ(database.loadAt(-1), nullptr);
  EXPECT_EQ(database.loadAt(1), nullptr);
  EXPECT_EQ(database.indexOfLoad(&outsider), -1);
  EXPECT_EQ(database.indexOfLoad(nullptr), -1);
}

TEST(LoadDatabaseCurrent, OnlyARecordOfTheListCanBeCurrent) {
  LoadDatabase database;
  LoadRecord& inList = database.addLoadCopy(makeLoad("A", 1));
  LoadRecord outsider = makeLoad("A", 1);
  database.setCurrentLoad(&inList);
  database.setCurrentLoad(&outsider);
  EXPECT_EQ(database.currentLoad(), nullptr);
}

class LoadDatabaseRemove : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* caliber : {"A", "B", "C"}) database.addLoadCopy(makeLoad(caliber, 1, "", "", caliber));
  }
  LoadRecord* at(int i) { return database.loadAt(i); }
  LoadDatabase database;
};

TEST_F(LoadDatabaseRemove, CurrentAtTheHeadPassesToItsSuccessor) {
  LoadRecord* second = at(1);
  database.setCurrentLoad(at(0));
  database.removeLoad(at(0));
  EXPECT_EQ(database.currentLoad(), second);
  EXPECT_EQ(names(database), (std::vector<std::string>{"B", "C"}));
}

TEST_F(LoadDatabaseRemove, CurrentElsewherePassesToItsPredecessor) {
  LoadRecord* first = at(0);
  database.setCurrentLoad(at(1));
  database.removeLoad(at(1));
  EXPECT_EQ(database.currentLoad(), first);
  database.setCurrentLoad(at(1));
  database.removeLoad(at(1));  // the tail
  EXPECT_EQ(database.currentLoad(), first);
}

TEST_F(LoadDatabaseRemove, OtherRecordsLeaveTheCurrentLoadAlone) {
  LoadRecord* last = at(2);
  database.setCurrentLoad(last);
  database.removeLoad(at(0));
  database.removeLoad(at(0));
  EXPECT_EQ(database.currentLoad(), last);
  LoadRecord stranger = makeLoad("Z", 1);
  database.removeLoad(&stranger);
  EXPECT_EQ(database.loadCount(), 1);
}

TEST_F(LoadDatabaseRemove, TheLastLoadLeavesNoneCurrent) {
  database.removeLoad(at(0));
  database.removeLoad(at(0));
  database.setCurrentLoad(at(0));
  database.removeLoad(at(0));
  EXPECT_EQ(database.loadCount(), 0);
  EXPECT_EQ(database.currentLoad(), nullptr);
}

TEST_F(LoadDatabaseRemove, ClearEmptiesTheListAndTheCurrentLoad) {
  database.setCurrentLoad(at(2));
  database.clearDatabase();
  EXPECT_EQ(database.loadCount(), 0);
  EXPECT_EQ(database.currentLoad(), nullptr);
}

TEST(LoadDatabaseRepair, BlankCalibersBecomeUnknownWithoutResorting) {
  LoadDatabase database;
  EXPECT_EQ(database.repairCalibers(), 0);
  database.addLoadCopy(makeLoad("", 1, "", "", "empty"));
  database.addLoadCopy(makeLoad("   ", 1, "", "", "spaces"));
  database.addLoadCopy(makeLoad(" x", 1, "", "", "space x"));
  database.addLoadCopy(makeLoad("Ackley", 1, "", "", "ackley"));
  const auto before = names(database);
  EXPECT_EQ(database.repairCalibers(), 2);
  EXPECT_EQ(names(database), before);
  int unknown = 0;
  for (int i = 0; i < database.loadCount(); ++i) unknown += database.loadAt(i)->caliber.view() == "Unknown";
  EXPECT_EQ(unknown, 2);
  EXPECT_EQ(database.repairCalibers(), 0);
}

}  // namespace
}  // namespace deadhold
