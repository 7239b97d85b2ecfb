#include "loadinfo/load_info_page.h"

#include <gtest/gtest.h>

#include "loadinfo/fake_load_info_dialogs.h"
#include "common/safe_file_writer.h"
#include "loads/load_rules.h"
#include "loads/load_text_report.h"
#include "support/fake_dialogs.h"
#include "support/same_bytes.h"
#include "support/temp_folder.h"

namespace deadhold {
namespace {

using testing::FakeDialogs;
using testing::FakeLoadInfoDialogs;
using testing::TempFolder;

LoadRecord sampleLoad() {
  LoadRecord load = blankLoadRecord();
  load.caliber.assign(".270 Win");
  load.bulletMfg.assign("Sierra");
  load.bulletType.assign("Gameking");
  load.bulletWeight = 129.6f;
  load.ballisticCoeff = 0.4361f;
  load.powderMfg.assign("IMR");
  load.powderType.assign("4831");
  load.powderWeight = 54.36f;
  load.powderLot.assign("L-77");
  load.primerMfg.assign("CCI");
  load.primerType.assign("200");
  load.primerSize.assign("Large Rifle");
  load.primerLot.assign("P9");
  load.caseMfg.assign("Winchester");
  load.caseWeight = 187.456f;
  load.caseLength = 2.5401f;
  load.timesReloaded = 3.0f;
  load.cartridgeOal = 3.3406f;
  load.comparatorOal = 2.2504f;
  load.avVelocity = 3015.7f;
  load.avGroup = 0.7503f;
  load.mfgDate.assign("03/14/2024");
  load.cartridgeLot.assign("A12");
  load.loadName.assign("Elk load");
  load.moly = 1.0f;
  load.crimp = 0.0f;
  return load;
}

// A load book folder: RELOADER.DAT written through the database itself.
void writeBook(const std::filesystem::path& file, const std::vector<LoadRecord>& loads,
               int current) {
  LoadDatabase database(file);
  for (const auto& load : loads) database.addLoadCopy(load);
  database.setCurrentLoad(current < 0 ? nullptr : database.loadAt(current));
  ASSERT_FALSE(database.writeDatabase());
}

class LoadInfoPageTest : public ::testing::Test {
 protected:
  std::filesystem::path bookFile() const { return folder / "RELOADER.DAT"; }

  TempFolder folder;
  LoadDatabase database{folder / "RELOADER.DAT"};
  FakeDialogs dialogs;
  FakeLoadInfoDialogs loadDialogs;
  std::filesystem::path startDirectory = folder.path();
  LoadInfoPage page{database, dialogs, startDirectory};
};

TEST_F(LoadInfoPageTest, FirstStartWithoutALoadBookShowsAnEmptyPage) {
  page.initialise();
  for (std::size_t i = 0; i < kLoadInfoFieldCount; ++i)
    EXPECT_EQ(page.fieldText(static_cast<LoadInfoField>(i)), "");
  EXPECT_EQ(page.groupCaption(), "Load Name:");
  EXPECT_FALSE(page.molyChecked());
  EXPECT_FALSE(page.crimpChecked());
  EXPECT_TRUE(page.shotRows().empty());
  EXPECT_FALSE(page.loadButtonsEnabled());
  EXPECT_TRUE(dialogs.messages.empty());

  page.openLoad(loadDialogs);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text,
            "The Load Database is empty. \nSelect \"New Load\" to create a new load");
  EXPECT_EQ(dialogs.messages[0].title, "Warning");
  EXPECT_EQ(dialogs.messages[0].buttons, Buttons::Ok);
  EXPECT_EQ(loadDialogs.openLoadRuns, 0);
  EXPECT_FALSE(page.loadButtonsEnabled());
}

TEST_F(LoadInfoPageTest, StartUpShowsTheStoredCurrentLoadInTheFieldFormats) {
  LoadRecord other = sampleLoad();
  other.caliber.assign(".243 Win");
  writeBook(bookFile(), {sampleLoad(), other}, 1);  // sorted: .243 first, so the .270 is 1
  page.initialise();

  ASSERT_NE(database.currentLoad(), nullptr);
  EXPECT_EQ(page.groupCaption(), "Load Name: Elk load");
  const std::vector<std::pair<LoadInfoField, std::string>> expected = {
      {LoadInfoField::bulletMfg, "Sierra"},     {LoadInfoField::bulletType, "Gameking"},
      {LoadInfoField::caliber, ".270 Win"},     {LoadInfoField::bulletWeight, "130"},
      {LoadInfoField::ballisticCoeff, "0.436"}, {LoadInfoField::powderMfg, "IMR"},
      {LoadInfoField::powderType, "4831"},      {LoadInfoField::powderWeight, "54.4"},
      {LoadInfoField::powderLot, "L-77"},       {LoadInfoField::primerMfg, "CCI"},
      {LoadInfoField::primerType, "200"},       {LoadInfoField::primerSize, "Large Rifle"},
      {LoadInfoField::primerLot, "P9"},         {LoadInfoField::caseMfg, "Winchester"},
      {LoadInfoField::caseWeight, "187.46"},    {LoadInfoField::caseLength, "2.540"},
      {LoadInfoField::timesReloaded, "3"},      {LoadInfoField::cartridgeOal, "3.341"},
      {LoadInfoField::comparatorOal, "2.250"},  {LoadInfoField::avVelocity, "3016"},
      {LoadInfoField::avGroup, "0.750"},        {LoadInfoField::mfgDate, "03/14/2024"},
      {LoadInfoField::cartridgeLot, "A12"}};
  ASSERT_EQ(expected.size(), kLoadInfoFieldCount);
  for (const auto& [field, text] : expected)
    EXPECT_EQ(page.fieldText(field), text) << loadInfoFieldLabel(field);
  EXPECT_TRUE(page.molyChecked());
  EXPECT_FALSE(page.crimpChecked());
  EXPECT_TRUE(page.loadButtonsEnabled());
}

TEST_F(LoadInfoPageTest, AStoredBookWithoutCurrentLoadLeavesTheButtonsDisabled) {
  writeBook(bookFile(), {sampleLoad()}, -1);
  page.initialise();
  EXPECT_EQ(database.loadCount(), 1);
  EXPECT_EQ(page.groupCaption(), "Load Name:");
  EXPECT_FALSE(page.loadButtonsEnabled());
}

TEST_F(LoadInfoPageTest, FlagBoxesFollowTheWholePartAndSpringBackWhenClicked) {
  LoadRecord load = sampleLoad();
  load.moly = 0.5f;  // "Yes" in the report, but no tick
  load.crimp = 1.0f;
  writeBook(bookFile(), {load}, 0);
  page.initialise();
  EXPECT_FALSE(page.molyChecked());
  EXPECT_TRUE(page.crimpChecked());
  page.clickMoly();
  page.clickCrimp();
  EXPECT_FALSE(page.molyChecked());
  EXPECT_TRUE(page.crimpChecked());
  EXPECT_EQ(database.currentLoad()->moly, 0.5f);
  EXPECT_EQ(database.currentLoad()->crimp, 1.0f);
}

TEST_F(LoadInfoPageTest, ShotListHoldsPlacedShotsUnderTheirOwnNumbers) {
  LoadRecord load = sampleLoad();
  load.shots[1] = {2950.4f, 1.25f, -0.5f, 1.3463f, 1};
  load.shots[4] = {3001.6f, -0.0004f, 2.0f, 2.0f, 1};
  load.shots[6] = {2990.0f, 3.0f, 3.0f, 4.243f, 0};  // typed velocity, hole never placed
  writeBook(bookFile(), {load}, 0);
  page.initialise();
  ASSERT_EQ(page.shotRows().size(), 2u);
  EXPECT_EQ(page.shotRows()[0],
            (ShotListRow{"#2)", "2950 fps", "1.250 in", "-0.500 in", "1.346 in"}));
  EXPECT_EQ(page.shotRows()[1],
            (ShotListRow{"#5)", "3002 fps", "-0.000 in", "2.000 in", "2.000 in"}));
  // Under the target, every shot with a velocity counts, the unplaced #7 too.
  EXPECT_EQ(page.statisticsLines(),
            (std::array<std::string, 2>{"Shots 3  Mean 2980.7", "ES 51.2  SD 26.85"}));
  database.setCurrentLoad(nullptr);
  page.showCurrentLoad();
  EXPECT_EQ(page.statisticsLines(), (std::array<std::string, 2>{}));
}

TEST_F(LoadInfoPageTest, SaveToTextPromptsAndWritesTheReport) {
  writeBook(bookFile(), {sampleLoad()}, 0);
  page.initialise();
  const auto reportFile = folder / "LOAD.TXT";
  dialogs.savePaths.push_back(reportFile);
  page.saveToText();

  ASSERT_EQ(dialogs.savePrompts.size(), 1u);
  const FilePrompt& prompt = dialogs.savePrompts[0];
  EXPECT_EQ(prompt.defaultName, "LOAD");
  EXPECT_EQ(prompt.defaultExtension, ".TXT");
  EXPECT_EQ(prompt.filter, "Text Files (*.txt)|*.txt|All Files (*.*)|*.*||");
  EXPECT_TRUE(prompt.confirmOverwrite);
  EXPECT_TRUE(prompt.folderMustExist);
  EXPECT_EQ(prompt.initialFolder, folder.path());
  EXPECT_EQ(testing::readBytes(reportFile), withTextLineEnds(loadTextReport(*database.currentLoad())));
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(LoadInfoPageTest, SaveToTextCancelledOrWithoutLoadWritesNothing) {
  page.initialise();
  page.saveToText();  // no current load: not even a prompt
  EXPECT_TRUE(dialogs.savePrompts.empty());

  writeBook(bookFile(), {sampleLoad()}, 0);
  page.initialise();
  page.saveToText();  // the prompt is cancelled
  EXPECT_EQ(dialogs.savePrompts.size(), 1u);
  EXPECT_FALSE(std::filesystem::exists(folder / "LOAD.TXT"));
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(LoadInfoPageTest, ReportFileThatCannotBeCreatedIsAFileErrorAndChangesNothing) {
  writeBook(bookFile(), {sampleLoad()}, 0);
  page.initialise();
  dialogs.savePaths.push_back(folder / "no such folder" / "LOAD.TXT");
  page.saveToText();
  ASSERT_EQ(dialogs.messages.size(), 1u);
  // The reason follows, as for every save that fails.
  EXPECT_EQ(dialogs.messages[0].text, "Could not open file for writing\n\nCould not write " +
                                          (folder / "no such folder" / "LOAD.TXT").string() +
                                          ": No such file or directory");
  EXPECT_EQ(dialogs.messages[0].title, "FILE ERROR");
  EXPECT_EQ(dialogs.messages[0].buttons, Buttons::Ok);
  EXPECT_EQ(page.groupCaption(), "Load Name: Elk load");

  // An existing report that cannot be replaced keeps what it held.
  const auto directory = folder / "LOAD.TXT";
  std::filesystem::create_directory(directory);
  dialogs.savePaths.push_back(directory);
  page.saveToText();
  EXPECT_EQ(dialogs.messages.size(), 2u);
  EXPECT_TRUE(std::filesystem::is_directory(directory));
}

TEST_F(LoadInfoPageTest, AcceptedNewLoadJoinsTheBookBecomesCurrentAndIsWritten) {
  page.initialise();
  loadDialogs.editScript = [](LoadRecord& record) {
    record.caliber.assign(".308 Win");
    record.loadName.assign("Match");
    record.shots[2] = {2700.0f, 0.5f, 0.5f, 0.7071f, 1};
  };
  page.newLoad(loadDialogs);

  ASSERT_EQ(loadDialogs.editedRecords.size(), 1u);
  EXPECT_TRUE(sameBytes(loadDialogs.editedRecords[0], blankLoadRecord()));
  ASSERT_EQ(database.loadCount(), 1);
  EXPECT_EQ(database.currentLoad(), database.loadAt(0));
  EXPECT_EQ(page.groupCaption(), "Load Name: Match");
  EXPECT_EQ(page.fieldText(LoadInfoField::caliber), ".308 Win");
  EXPECT_EQ(page.shotRows().size(), 1u);
  EXPECT_TRUE(page.loadButtonsEnabled());

  LoadDatabase stored(bookFile());
  EXPECT_EQ(stored.readDatabase(), 1);
  ASSERT_NE(stored.currentLoad(), nullptr);
  EXPECT_EQ(stored.currentLoad()->caliber.str(), ".308 Win");
}

TEST_F(LoadInfoPageTest, QuitNewLoadChangesNothing) {
  page.initialise();
  loadDialogs.acceptEdit = false;
  page.newLoad(loadDialogs);
  EXPECT_EQ(database.loadCount(), 0);
  EXPECT_FALSE(std::filesystem::exists(bookFile()));
  EXPECT_FALSE(page.loadButtonsEnabled());
}

TEST_F(LoadInfoPageTest, AcceptedEditReplacesTheCurrentLoadInPlaceAndIsWritten) {
  LoadRecord third = sampleLoad();
  third.caliber.assign(".30-06");
  writeBook(bookFile(), {sampleLoad(), third}, 1);  // sorted: .270 Win, .30-06 (current)
  page.initialise();
  LoadRecord* current = database.currentLoad();
  ASSERT_EQ(database.indexOfLoad(current), 1);

  // A caliber that would sort first stays where it is until the next sort.
  loadDialogs.editScript = [](LoadRecord& record) { record.caliber.assign(".22"); };
  page.editLoad(loadDialogs);
  ASSERT_EQ(loadDialogs.editedRecords.size(), 1u);
  EXPECT_EQ(loadDialogs.editedRecords[0].caliber.str(), ".30-06");
  EXPECT_EQ(database.currentLoad(), current);
  EXPECT_EQ(database.indexOfLoad(current), 1);
  EXPECT_EQ(database.loadAt(0)->caliber.str(), ".270 Win");
  EXPECT_EQ(page.fieldText(LoadInfoField::caliber), ".22");

  LoadDatabase stored(bookFile());
  stored.readDatabase();
  EXPECT_EQ(stored.loadCount(), 2);
  EXPECT_EQ(stored.currentLoad()->caliber.str(), ".22");
}

TEST_F(LoadInfoPageTest, QuitEditLeavesLoadAndFileAlone) {
  writeBook(bookFile(), {sampleLoad()}, 0);
  const std::string before = testing::readBytes(bookFile());
  page.initialise();
  loadDialogs.acceptEdit = false;
  loadDialogs.editScript = [](LoadRecord& record) { record.caliber.assign(".22"); };
  page.editLoad(loadDialogs);
  EXPECT_EQ(database.currentLoad()->caliber.str(), ".270 Win");
  EXPECT_EQ(testing::readBytes(bookFile()), before);
}

TEST_F(LoadInfoPageTest, LoadBoundButtonsDoNothingWithoutACurrentLoad) {
  writeBook(bookFile(), {sampleLoad()}, -1);
  page.initialise();
  page.editLoad(loadDialogs);
  page.largeTarget(loadDialogs);
  page.print(loadDialogs);
  EXPECT_TRUE(loadDialogs.editedRecords.empty());
  EXPECT_TRUE(loadDialogs.shotStringRecords.empty());
  EXPECT_EQ(loadDialogs.printRuns, 0);
}

TEST_F(LoadInfoPageTest, LargeTargetEditsTheCurrentLoadItselfWithoutWriting) {
  writeBook(bookFile(), {sampleLoad()}, 0);
  const std::string before = testing::readBytes(bookFile());
  page.initialise();
  loadDialogs.shotStringScript = [](LoadRecord& record) {
    record.shots[0] = {3000.0f, 1.0f, 1.0f, 1.4142f, 1};
    record.avGroup = 0.0f;
    record.avVelocity = 3000.0f;
  };
  page.largeTarget(loadDialogs);
  ASSERT_EQ(loadDialogs.shotStringRecords.size(), 1u);
  EXPECT_EQ(loadDialogs.shotStringRecords[0], database.currentLoad());
  EXPECT_EQ(page.shotRows().size(), 1u);
  EXPECT_EQ(page.fieldText(LoadInfoField::avVelocity), "3000");
  EXPECT_EQ(testing::readBytes(bookFile()), before);
}

TEST_F(LoadInfoPageTest, OpenLoadRefreshesAndButtonsFollowTheCurrentLoad) {
  writeBook(bookFile(), {sampleLoad()}, -1);
  page.initialise();
  loadDialogs.openLoadScript = [this] { database.setCurrentLoad(database.loadAt(0)); };
  page.openLoad(loadDialogs);
  EXPECT_EQ(loadDialogs.openLoadRuns, 1);
  EXPECT_TRUE(page.loadButtonsEnabled());
  EXPECT_EQ(page.groupCaption(), "Load Name: Elk load");

  loadDialogs.openLoadScript = [this] { database.removeLoad(database.currentLoad()); };
  page.openLoad(loadDialogs);
  EXPECT_FALSE(page.loadButtonsEnabled());
  EXPECT_EQ(page.groupCaption(), "Load Name:");
  EXPECT_EQ(page.fieldText(LoadInfoField::caliber), "");
}

TEST_F(LoadInfoPageTest, PrintGoesToThePrintJob) {
  writeBook(bookFile(), {sampleLoad()}, 0);
  page.initialise();
  page.print(loadDialogs);
  EXPECT_EQ(loadDialogs.printRuns, 1);
}

TEST_F(LoadInfoPageTest, ShutDownWritesTheBookAndFreesIt) {
  writeBook(bookFile(), {sampleLoad()}, 0);
  page.initialise();
  database.currentLoad()->avVelocity = 2999.0f;  // as the target view or ballistics page would
  page.shutDown();
  EXPECT_EQ(database.loadCount(), 0);
  EXPECT_EQ(page.groupCaption(), "Load Name:");
  LoadDatabase stored(bookFile());
  stored.readDatabase();
  EXPECT_EQ(stored.currentLoad()->avVelocity, 2999.0f);
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(LoadInfoPageTest, ABookThatCannotBeWrittenIsReportedAndKeptInMemory) {
  writeBook(bookFile(), {sampleLoad()}, 0);
  page.initialise();
  // Something else took the file's place: the write must fail and say so.
  std::filesystem::remove(bookFile());
  std::filesystem::create_directory(bookFile());
  page.newLoad(loadDialogs);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].title, "FILE ERROR");
  EXPECT_NE(dialogs.messages[0].text.find("RELOADER.DAT"), std::string::npos);
  EXPECT_EQ(database.loadCount(), 2);
  EXPECT_TRUE(page.loadButtonsEnabled());

  page.shutDown();
  EXPECT_EQ(dialogs.messages.size(), 2u);
  EXPECT_EQ(dialogs.messages[1].title, "FILE ERROR");
  EXPECT_EQ(database.loadCount(), 0);
}

TEST_F(LoadInfoPageTest, ABookThatCannotBeReadIsReportedAtStartUp) {
  std::filesystem::create_directory(bookFile());
  page.initialise();
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].title, "FILE ERROR");
  EXPECT_NE(dialogs.messages[0].text.find("RELOADER.DAT"), std::string::npos);
  EXPECT_EQ(page.groupCaption(), "Load Name:");
}

}  // namespace
}  // namespace deadhold
