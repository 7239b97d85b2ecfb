#include <gtest/gtest.h>

#include "ballistics/ballistics_page.h"
#include "ballistics/ballistics_page_fixture.h"
#include "ballistics/ballistics_report.h"
#include "ballistics/fake_ballistics_page_dialogs.h"
#include "ballistics/kill_zone_dialog.h"
#include "common/safe_file_writer.h"

namespace deadhold::testing {
namespace {

using Field = BallisticsField;

std::string deadholdMessage(const char* height, int range, int zero) {
  return "For a Killzone diameter of " + std::string(height) +
         " inches:\n\nMaximum Deadhold Range is " + std::to_string(range) +
         " yrds\n\nSight in the rifle dead on at " + std::to_string(zero) + " yrds";
}

class BallisticsPageCommands : public BallisticsPageTest {
 protected:
  BallisticsPageCommands() {
    handOverDefaultLoad();
    page.reCompute();
  }
  FakeBallisticsPageDialogs pageDialogs;
};

TEST(KillZoneDialogModel, OkIsEnabledAtOpeningThenExactlyAboveZero) {
  KillZoneDialog dialog;
  EXPECT_TRUE(dialog.okEnabled());
  EXPECT_EQ(dialog.value(), 0.0f);
  for (const char* text : {"0", "", "abc", "-1", "0.0"}) {
    dialog.setFieldText(text);
    EXPECT_FALSE(dialog.okEnabled()) << text;
  }
  dialog.setFieldText("0.1");
  EXPECT_TRUE(dialog.okEnabled());
  EXPECT_EQ(dialog.value(), 0.1f);
  dialog.setFieldText("6 inches");
  EXPECT_EQ(dialog.value(), 6.0f);
}

TEST_F(BallisticsPageCommands, CalculateDhrSightsInAtTheZeroItFound) {
  pageDialogs.killZoneText = "6";
  page.calculateDhr(pageDialogs);
  EXPECT_TRUE(pageDialogs.killZoneOkEnabledAtOpening);
  EXPECT_EQ(page.fieldTexts().targetDistance, "254");
  EXPECT_EQ(page.inputs().targetDistance, 254);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text, deadholdMessage("6.00", 298, 254));
  EXPECT_EQ(dialogs.messages[0].title, "Maximum Deadhold Range");
  EXPECT_EQ(dialogs.messages[0].buttons, Buttons::Ok);
  // The list and the table now show the path sighted in at 254 yards.
  EXPECT_TRUE(page.resultsValid());
  EXPECT_EQ(engine->lastInputs().muzzleVelocity, 3016);
  EXPECT_EQ(page.listRows().size(), 21u);
  EXPECT_NEAR(page.table()[254].elevation, 0, 0.01);
}

TEST_F(BallisticsPageCommands, CalculateDhrGivesTheSameWhereverTheZeroStarted) {
  const struct {
    const char* height;
    const char* shown;
    int zero;
    int range;
  } worked[] = {{"4", "4.00", 219, 256}, {"8", "8.00", 283, 333}, {"12", "12.00", 332, 390}};
  for (const char* start : {"100", "250"}) {
    for (const auto& w : worked) {
      type(Field::TargetDistance, start);
      dialogs.messages.clear();
      pageDialogs.killZoneText = w.height;
      page.calculateDhr(pageDialogs);
      ASSERT_EQ(dialogs.messages.size(), 1u) << start << " " << w.height;
      EXPECT_EQ(dialogs.messages[0].text, deadholdMessage(w.shown, w.range, w.zero));
    }
  }
}

TEST_F(BallisticsPageCommands, CalculateDhrWithInvalidValuesOpensNothing) {
  type(Field::MuzzleVelocity, "4500");
  page.calculateDhr(pageDialogs);
  EXPECT_EQ(pageDialogs.killZoneRuns, 0);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].title, "Value Range Error");
  EXPECT_FALSE(page.resultButtonsEnabled());
  EXPECT_FALSE(page.resultsValid());
  EXPECT_TRUE(page.inputsInvalid());
  EXPECT_TRUE(page.listRows().empty());

  page.calculateDhr(pageDialogs);  // the button is disabled now
  EXPECT_EQ(dialogs.messages.size(), 1u);
}

TEST_F(BallisticsPageCommands, CancellingTheHeightLeavesThePageAsItWas) {
  page.chooseRangeIncrement(1);
  const auto rows = page.listRows();
  const TrajectoryTable table = page.table();
  type(Field::MuzzleVelocity, "2500");  // typed, not yet computed
  pageDialogs.killZoneText = "6";
  pageDialogs.acceptKillZone = false;
  page.calculateDhr(pageDialogs);
  EXPECT_EQ(pageDialogs.killZoneRuns, 1);
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_TRUE(page.resultsValid());
  EXPECT_EQ(page.inputs().muzzleVelocity, 3016);
  EXPECT_EQ(page.fieldTexts().targetDistance, "250");
  EXPECT_EQ(page.listRows(), rows);
  EXPECT_TRUE(page.table() == table);
}

TEST_F(BallisticsPageCommands, OkWithoutTypingSearchesForNoHeightAtAll) {
  page.calculateDhr(pageDialogs);  // nothing typed: D = 0
  ASSERT_EQ(dialogs.messages.size(), 2u);
  // The zero of 1 yard is out of range: the Re-Compute says so before the result.
  EXPECT_EQ(dialogs.messages[0].title, "Value Range Error");
  EXPECT_NE(dialogs.messages[0].text.find("Target Distance must be between 50 and 1000"),
            std::string::npos);
  EXPECT_EQ(dialogs.messages[1].text, deadholdMessage("0.00", 0, 1));
  EXPECT_EQ(page.fieldTexts().targetDistance, "1");
  EXPECT_TRUE(page.inputsInvalid());
}

TEST_F(BallisticsPageCommands, AKillZoneNoHigherThanTheScopeGivesNoRange) {
  pageDialogs.killZoneText = "3";
  page.calculateDhr(pageDialogs);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text, deadholdMessage("3.00", 0, 198));
}

TEST_F(BallisticsPageCommands, ALongNameIsRefusedAtEachTakingOfTheFields) {
  page.setInputsFromLoad(0.436, 130, 3016, 250, 1.5, 70, 500, std::string(70, 'x'));
  pageDialogs.killZoneText = "6";
  page.calculateDhr(pageDialogs);
  // The button's own reading, the search's closing Re-Compute and the one at the new zero.
  ASSERT_EQ(dialogs.messages.size(), 4u);
  for (int i = 0; i < 3; ++i)
    EXPECT_EQ(dialogs.messages[i].text, "Please enter no more than 64 characters.");
  EXPECT_EQ(dialogs.messages[3].title, "Maximum Deadhold Range");
}

TEST_F(BallisticsPageCommands, TaylorKoAsksTheCaliberThenShowsTheRatings) {
  pageDialogs.caliberText = "0.277";
  page.taylorKo(pageDialogs);
  EXPECT_EQ(pageDialogs.caliberRuns, 1);
  ASSERT_EQ(pageDialogs.shownTables.size(), 1u);
  EXPECT_EQ(pageDialogs.shownInformationLines[0], "Caliber: 0.277, Bullet Weight: 130 grns");
  ASSERT_EQ(pageDialogs.shownTables[0].size(), 14u);
  EXPECT_EQ(pageDialogs.shownTables[0][9].species, "Deer");
  // 130 x 2806 x 0.277 / 7000 = 14.4 at 100 yards: good for deer, excellent for a bobcat.
  EXPECT_EQ(pageDialogs.shownTables[0][9].ratings[0], "Good");
  EXPECT_EQ(pageDialogs.shownTables[0][1].ratings[0], "Excellent");
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(BallisticsPageCommands, TaylorKoWithTheCaliberCancelledShowsAnEmptyTable) {
  pageDialogs.caliberText = "0.277";
  pageDialogs.acceptCaliber = false;
  page.taylorKo(pageDialogs);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text, "Warning, Caliber must be greater than 0 and less than 1");
  EXPECT_EQ(dialogs.messages[0].title, "Invalid Caliber");
  ASSERT_EQ(pageDialogs.shownTables.size(), 1u);
  EXPECT_TRUE(pageDialogs.shownTables[0].empty());
  EXPECT_EQ(pageDialogs.shownInformationLines[0], "");

  pageDialogs.caliberText = "1";  // "&Accept" stays disabled: the user can only cancel
  pageDialogs.acceptCaliber = true;
  page.taylorKo(pageDialogs);
  EXPECT_EQ(dialogs.messages.size(), 2u);
}

TEST_F(BallisticsPageCommands, PrintRecomputesFromTheFieldsAfterwards) {
  pageDialogs.printScript = [this] {
    engine->computeTrajectory({0.3, 150, 2600, 100, 1.5, 70, 500});
  };
  const TrajectoryTable table = page.table();
  page.print(pageDialogs);
  EXPECT_EQ(pageDialogs.printRuns, 1);
  EXPECT_TRUE(page.table() == table);
  EXPECT_EQ(page.listRows().size(), 21u);
}

TEST_F(BallisticsPageCommands, ResultButtonsDoNothingAfterAFailedValidation) {
  type(Field::BulletWeight, "0");
  page.reCompute();
  dialogs.messages.clear();
  page.taylorKo(pageDialogs);
  page.print(pageDialogs);
  page.saveToText();
  EXPECT_EQ(pageDialogs.caliberRuns, 0);
  EXPECT_EQ(pageDialogs.printRuns, 0);
  EXPECT_TRUE(dialogs.savePrompts.empty());
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(BallisticsPageCommands, SaveToTextAsksWhereAndWritesTheReport) {
  dialogs.savePaths.push_back(folder / "BALLISTIC.TXT");
  page.saveToText();
  ASSERT_EQ(dialogs.savePrompts.size(), 1u);
  const FilePrompt& prompt = dialogs.savePrompts[0];
  EXPECT_EQ(prompt.defaultName, "BALLISTIC");
  EXPECT_EQ(prompt.defaultExtension, ".TXT");
  EXPECT_EQ(prompt.filter, "Text Files (*.txt)|*.txt|All Files (*.*)|*.*||");
  EXPECT_TRUE(prompt.confirmOverwrite);
  EXPECT_TRUE(prompt.folderMustExist);
  EXPECT_EQ(prompt.initialFolder, folder.path());
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_EQ(readBytes(folder / "BALLISTIC.TXT"),
            withTextLineEnds(ballisticsReport(page.inputs(), kDefaultLabel, page.table())));

  page.saveToText();  // cancelled: nothing else happens
  EXPECT_EQ(dialogs.savePrompts.size(), 2u);
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(BallisticsPageCommands, SaveToTextReportsAFileItCannotWrite) {
  dialogs.savePaths.push_back(folder / "missing" / "BALLISTIC.TXT");
  page.saveToText();
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text, "Could not open file for writing\n\nCould not write " +
                                          (folder / "missing" / "BALLISTIC.TXT").string() +
                                          ": No such file or directory");
  EXPECT_EQ(dialogs.messages[0].title, "FILE ERROR");
  EXPECT_EQ(dialogs.messages[0].buttons, Buttons::Ok);
  EXPECT_FALSE(std::filesystem::exists(folder / "missing"));
}

TEST_F(BallisticsPageCommands, TheReportHeaderIsThePagesInputsTheTablesTheLastComputation) {
  type(Field::TargetDistance, "300");  // typing sets the header's zero range only
  dialogs.savePaths.push_back(folder / "R.TXT");
  page.saveToText();
  const std::string report = readBytes(folder / "R.TXT");
  EXPECT_NE(report.find(withTextLineEnds("Target Distance: 300\n")), std::string::npos);
  EXPECT_EQ(report, withTextLineEnds(ballisticsReport(page.inputs(), kDefaultLabel, page.table())));
  EXPECT_EQ(engine->lastInputs().muzzleVelocity, 3016);
}

}  // namespace
}  // namespace deadhold::testing
