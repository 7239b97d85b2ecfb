#include "loadinfo/open_load_dialog.h"

#include <gtest/gtest.h>

#include "loads/load_rules.h"
#include "support/fake_dialogs.h"
#include "support/same_bytes.h"
#include "support/temp_folder.h"

namespace deadhold {
namespace {

using testing::FakeDialogs;
using testing::TempFolder;

LoadRecord load(std::string_view caliber, float weight, std::string_view name = "") {
  LoadRecord record = blankLoadRecord();
  record.caliber.assign(caliber);
  record.bulletWeight = weight;
  record.bulletMfg.assign("Sierra");
  record.bulletType.assign("Gameking");
  record.loadName.assign(name);
  return record;
}

class OpenLoadDialogTest : public ::testing::Test {
 protected:
  // Adds the loads to the book (sorted) and makes the one at `current` current (-1: none).
  void fillBook(const std::vector<LoadRecord>& loads, int current = -1) {
    for (const LoadRecord& record : loads) database.addLoadCopy(record);
    database.setCurrentLoad(current < 0 ? nullptr : database.loadAt(current));
  }
  std::vector<std::string> loadNames() const {
    std::vector<std::string> names;
    for (int row = 0; row < dialog.rowCount(); ++row) names.push_back(dialog.cellText(row, 0));
    return names;
  }

  TempFolder folder;
  LoadDatabase database{folder / "RELOADER.DAT"};
  FakeDialogs dialogs;
  std::filesystem::path startDirectory = folder.path();
  int printRuns = 0;
  OpenLoadDialog dialog{database, dialogs, startDirectory, [this] { ++printRuns; }};
};

TEST_F(OpenLoadDialogTest, RowTextsInTheNineColumnsEachOnOneLine) {
  LoadRecord record = load(".270 Win", 129.9f, "Elk\r\nload\nfor\rJune");
  record.powderMfg.assign("IMR");
  record.powderType.assign("4831");
  record.powderWeight = 54.36f;
  record.avVelocity = 3015.9f;
  record.avGroup = 0.7506f;
  fillBook({record});
  dialog.open();
  std::vector<std::string> cells;
  for (int column = 0; column < 9; ++column) cells.push_back(dialog.cellText(0, column));
  EXPECT_EQ(cells, (std::vector<std::string>{"Elk load for June", "129 grns", "Sierra", "Gameking",
                                             "IMR", "4831", "54.4 grns", "3015 fps", "0.751 in"}));
  EXPECT_EQ(dialog.cellText(1, 0), "");  // no such row
  ASSERT_EQ(OpenLoadDialog::kColumns.size(), 9u);
  EXPECT_STREQ(OpenLoadDialog::kColumns[6].heading, "Powder Weight");
  EXPECT_EQ(OpenLoadDialog::kColumns[6].width, 90);
  EXPECT_EQ(OpenLoadDialog::kColumns[0].width, 110);
}

TEST_F(OpenLoadDialogTest, CalibersDifferingInCaseAreOneEntryInTheFirstSpelling) {
  fillBook({load(".270 win", 130, "a"), load(".270 Win", 150, "b"), load(".308", 150, "c")});
  dialog.open();
  // 130 sorts before 150, so the lower-case spelling comes first and names the entry.
  EXPECT_EQ(dialog.caliberChoices(), (std::vector<std::string>{".270 win", ".308"}));
  EXPECT_EQ(dialog.chosenCaliber(), 0);  // no current load: the first
  EXPECT_EQ(loadNames(), (std::vector<std::string>{"a", "b"}));
}

TEST_F(OpenLoadDialogTest, OpensOnTheCurrentLoadsCaliber) {
  fillBook({load(".243", 100, "a"), load(".308", 150, "b"), load(".308", 168, "c")}, 2);
  dialog.open();
  EXPECT_EQ(dialog.chosenCaliber(), 1);
  EXPECT_EQ(loadNames(), (std::vector<std::string>{"b", "c"}));
  EXPECT_EQ(dialog.selectedRow(), OpenLoadDialog::kNone);
  EXPECT_FALSE(dialog.rowButtonsEnabled());
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(OpenLoadDialogTest, ASplitCaliberGroupAppearsTwiceEachWithItsOwnRun) {
  // Keys "X 150 ...", "X 2 0 ...", "X 55 ...": the caliber "X 2" splits the X loads.
  fillBook({load("X", 150, "heavy"), load("X 2", 0, "other"), load("X", 55, "light")}, 2);
  dialog.open();
  EXPECT_EQ(dialog.caliberChoices(), (std::vector<std::string>{"X", "X 2", "X"}));
  EXPECT_EQ(dialog.chosenCaliber(), 2);  // the last entry of the current load's caliber
  EXPECT_EQ(loadNames(), (std::vector<std::string>{"light"}));
  dialog.chooseCaliber(0);
  EXPECT_EQ(loadNames(), (std::vector<std::string>{"heavy"}));
}

TEST_F(OpenLoadDialogTest, RowButtonsWaitForAClickAfterEveryCaliberChoice) {
  fillBook({load(".243", 100, "a"), load(".308", 150, "b")});
  dialog.open();
  dialog.rowChanged(0);
  EXPECT_TRUE(dialog.rowButtonsEnabled());
  dialog.chooseCaliber(1);
  EXPECT_FALSE(dialog.rowButtonsEnabled());
  dialog.rowChanged(5);  // no such row
  EXPECT_FALSE(dialog.rowButtonsEnabled());
  dialog.rowChanged(0);
  EXPECT_TRUE(dialog.rowButtonsEnabled());
}

TEST_F(OpenLoadDialogTest, SelectedRowSurvivesAClickOnEmptySpace) {
  fillBook({load(".308", 150, "b"), load(".308", 168, "c")});
  dialog.open();
  dialog.rowChanged(1);  // highlighted
  dialog.rowChanged(1);  // and the highlight taken away
  dialog.selectLoad();
  EXPECT_TRUE(dialog.closed());
  EXPECT_EQ(database.currentLoad(), database.loadAt(1));
}

TEST_F(OpenLoadDialogTest, SelectWithoutARowDoesNothing) {
  fillBook({load(".308", 150, "b")});
  dialog.open();
  dialog.selectLoad();
  dialog.deleteLoad();
  dialog.exportLoad();
  EXPECT_FALSE(dialog.closed());
  EXPECT_EQ(database.loadCount(), 1);
  EXPECT_EQ(database.currentLoad(), nullptr);
  EXPECT_TRUE(dialogs.savePrompts.empty());
}

TEST_F(OpenLoadDialogTest, DeletingTheOnlyLoadOfACaliberRemovesTheCaliber) {
  fillBook({load(".243", 100, "a"), load(".308", 150, "b"), load(".308", 168, "c")}, 0);
  dialog.open();
  ASSERT_EQ(dialog.chosenCaliber(), 0);
  dialog.rowChanged(0);
  dialog.deleteLoad();
  EXPECT_TRUE(dialogs.messages.empty());  // no confirmation
  EXPECT_EQ(database.loadCount(), 2);
  EXPECT_EQ(database.currentLoad(), database.loadAt(0));  // the head's successor
  EXPECT_EQ(dialog.caliberChoices(), (std::vector<std::string>{".308"}));
  EXPECT_EQ(dialog.selectedRow(), OpenLoadDialog::kNone);
  EXPECT_FALSE(dialog.rowButtonsEnabled());
  EXPECT_FALSE(dialog.closed());
}

// The warning must not show over the deleted load's row with its buttons still enabled: the
// emptied lists are shown first.
TEST_F(OpenLoadDialogTest, DeletingTheLastLoadEmptiesTheListsThenWarnsAndCloses) {
  fillBook({load(".308", 150, "b")}, 0);
  dialog.open();
  dialog.rowChanged(0);
  std::vector<std::string> shown;
  dialog.setListsFilled([&] {
    shown.push_back(std::to_string(dialog.rowCount()) + " rows, buttons " +
                    (dialog.rowButtonsEnabled() ? "on" : "off") + ", " +
                    std::to_string(dialogs.messages.size()) + " messages");
  });
  dialog.deleteLoad();
  EXPECT_EQ(shown, (std::vector<std::string>{"0 rows, buttons off, 0 messages"}));
  EXPECT_EQ(database.loadCount(), 0);
  EXPECT_EQ(database.currentLoad(), nullptr);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text, "The Load Database is empty with nothing left to choose");
  EXPECT_EQ(dialogs.messages[0].title, "Warning");
  EXPECT_TRUE(dialog.closed());
  EXPECT_TRUE(dialog.caliberChoices().empty());
}

TEST_F(OpenLoadDialogTest, OpeningRepairsBlankCalibersAndSaysSo) {
  fillBook({load("   ", 100, "blank"), load(".308", 150, "b")});
  dialog.open();
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text,
            "An Error has been detected in the Database.\nAt least one caliber was detected as "
            "invalid.\nPlease contact the author about this problem!");
  EXPECT_EQ(dialogs.messages[0].title, "Deadhold");
  EXPECT_EQ(dialog.caliberChoices(), (std::vector<std::string>{"Unknown", ".308"}));
}

TEST_F(OpenLoadDialogTest, EmptyBookWarnsAndCloses) {
  dialog.open();
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].title, "Warning");
  EXPECT_TRUE(dialog.closed());
}

TEST_F(OpenLoadDialogTest, ExportWritesTheRowsLoadAsItsRawBytes) {
  fillBook({load(".243", 100, "a"), load(".308", 150, "b")});
  dialog.open();
  dialog.chooseCaliber(1);
  dialog.rowChanged(0);
  const auto file = folder / "elk.BLD";
  dialogs.savePaths.push_back(file);
  dialog.exportLoad();

  ASSERT_EQ(dialogs.savePrompts.size(), 1u);
  const FilePrompt& prompt = dialogs.savePrompts[0];
  EXPECT_EQ(prompt.defaultName, "LOADDATA");
  EXPECT_EQ(prompt.defaultExtension, ".BLD");
  EXPECT_EQ(prompt.filter, "Binary Load Data (*.bld)|*.bld|All Files (*.*)|*.*||");
  EXPECT_TRUE(prompt.confirmOverwrite);
  EXPECT_TRUE(prompt.folderMustExist);
  EXPECT_EQ(prompt.initialFolder, folder.path());
  const LoadRecordBytes bytes = loadRecordBytes(*database.loadAt(1));
  EXPECT_EQ(testing::readBytes(file),
            std::string(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_FALSE(dialog.closed());
}

TEST_F(OpenLoadDialogTest, ExportThatCannotWriteSaysWhyAndKeepsTheOldFile) {
  fillBook({load(".308", 150, "b")});
  dialog.open();
  dialog.rowChanged(0);
  dialogs.savePaths.push_back(folder / "missing" / "x.BLD");
  dialog.exportLoad();
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].title, "FILE ERROR");
  EXPECT_EQ(dialogs.messages[0].text.rfind("Could not open file for writing\n\n", 0), 0u);
  EXPECT_NE(dialogs.messages[0].text.find("x.BLD"), std::string::npos);

  dialog.exportLoad();  // cancelled prompt: nothing
  EXPECT_EQ(dialogs.messages.size(), 1u);
}

class ImportTest : public OpenLoadDialogTest {
 protected:
  std::filesystem::path bldFile(std::size_t size, const LoadRecord& record) {
    const LoadRecordBytes bytes = loadRecordBytes(record);
    std::string content(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    content.resize(size, '\0');
    const auto file = folder / ("import" + std::to_string(size) + ".bld");
    testing::writeBytes(file, content);
    return file;
  }
};

TEST_F(ImportTest, ExactlyElevenHundredBytesJoinTheBookAndAreSaved) {
  fillBook({load(".308", 150, "b")}, 0);
  dialog.open();
  dialog.rowChanged(0);
  dialogs.openPaths.push_back(bldFile(1100, load(".243", 100, "imported")));
  dialog.importLoad();

  ASSERT_EQ(dialogs.openPrompts.size(), 1u);
  EXPECT_EQ(dialogs.openPrompts[0].defaultName, "LOADDATA");
  EXPECT_EQ(dialogs.openPrompts[0].filter, "Binary Load Data (*.bld)|*.bld|All Files (*.*)|*.*||");
  EXPECT_EQ(dialogs.openPrompts[0].initialFolder, folder.path());
  EXPECT_TRUE(dialogs.messages.empty());
  ASSERT_EQ(database.loadCount(), 2);
  EXPECT_EQ(database.loadAt(0)->loadName.str(), "imported");
  EXPECT_EQ(database.currentLoad(), database.loadAt(1));  // not made current
  EXPECT_EQ(dialog.caliberChoices(), (std::vector<std::string>{".243", ".308"}));
  EXPECT_EQ(dialog.chosenCaliber(), 1);
  EXPECT_EQ(dialog.selectedRow(), OpenLoadDialog::kNone);  // nor selected

  LoadDatabase stored(folder / "RELOADER.DAT");
  EXPECT_EQ(stored.readDatabase(), 2);
}

TEST_F(ImportTest, OtherSizesAreRefusedAsUnrecognizable) {
  fillBook({load(".308", 150, "b")});
  dialog.open();
  for (std::size_t size : {std::size_t{1099}, std::size_t{1101}, std::size_t{0}}) {
    dialogs.messages.clear();
    dialogs.openPaths.push_back(bldFile(size, load(".243", 100)));
    dialog.importLoad();
    ASSERT_EQ(dialogs.messages.size(), 1u) << size;
    EXPECT_EQ(dialogs.messages[0].text,
              "The selected file is unrecognizable by Deadhold as a valid Load file");
    EXPECT_EQ(dialogs.messages[0].title, "WARNING");
    EXPECT_EQ(dialogs.messages[0].icon, Icon::Exclamation);
  }
  EXPECT_EQ(database.loadCount(), 1);
  EXPECT_FALSE(std::filesystem::exists(folder / "RELOADER.DAT"));

  dialogs.messages.clear();
  dialogs.openPaths.push_back(folder / "nothing.bld");
  dialog.importLoad();
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text, "Could not open file");
  EXPECT_EQ(dialogs.messages[0].title, "FILE ERROR");
}

TEST_F(ImportTest, BlankCaliberIsRepairedWithItsMessage) {
  fillBook({load(".308", 150, "b")});
  dialog.open();
  dialogs.openPaths.push_back(bldFile(1100, load("", 100, "blank")));
  dialog.importLoad();
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].title, "Deadhold");
  // Sorted while still blank, and repaired without a new sort: it stays first.
  EXPECT_EQ(dialog.caliberChoices(), (std::vector<std::string>{"Unknown", ".308"}));
}

TEST_F(ImportTest, ABookThatCannotBeSavedIsAFileErrorButTheLoadIsIn) {
  fillBook({load(".308", 150, "b")});
  std::filesystem::create_directory(folder / "RELOADER.DAT");
  dialog.open();
  dialogs.openPaths.push_back(bldFile(1100, load(".243", 100, "imported")));
  dialog.importLoad();
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].title, "FILE ERROR");
  EXPECT_NE(dialogs.messages[0].text.find("RELOADER.DAT"), std::string::npos);
  EXPECT_EQ(database.loadCount(), 2);
  EXPECT_EQ(dialog.caliberChoices().size(), 2u);
}

TEST_F(ImportTest, ExportedLoadImportsAsASecondIdenticalLoad) {
  LoadRecord original = load(".308", 150, "b");
  original.shots[0] = {2900.0f, 1.0f, 1.0f, 1.4142135f, 1};
  original.notes.assign("calm\r\nclear");
  fillBook({original});
  dialog.open();
  dialog.rowChanged(0);
  dialogs.savePaths.push_back(folder / "LOADDATA.BLD");
  dialog.exportLoad();
  dialogs.openPaths.push_back(folder / "LOADDATA.BLD");
  dialog.importLoad();
  ASSERT_EQ(database.loadCount(), 2);
  EXPECT_TRUE(sameBytes(*database.loadAt(0), *database.loadAt(1)));
  EXPECT_EQ(loadNames(), (std::vector<std::string>{"b", "b"}));
}

TEST_F(OpenLoadDialogTest, PrintLoadListKeepsTheDialogOpen) {
  fillBook({load(".308", 150, "b")});
  dialog.open();
  dialog.printLoadList();
  EXPECT_EQ(printRuns, 1);
  EXPECT_FALSE(dialog.closed());
  dialog.cancel();
  EXPECT_TRUE(dialog.closed());
  EXPECT_EQ(database.currentLoad(), nullptr);
}

}  // namespace
}  // namespace deadhold
