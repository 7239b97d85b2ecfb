#include "ballistics/ballistics_page.h"

#include <gtest/gtest.h>

#include "ballistics/ballistics_page_fixture.h"
#include "loads/sample_loads.h"

namespace deadhold::testing {
namespace {

using Field = BallisticsField;

const std::string kRangeErrorOpening =
    "The Following Values are invalid and must be\n"
    "corrected before the ballistics can be calculated:\n\n";

using BallisticsPageStart = BallisticsPageTest;

TEST_F(BallisticsPageStart, InitialisationLeavesNothingListedAndTheStartingConditions) {
  EXPECT_EQ(page.inputs(), (BallisticInputs{0, 0, 0, 250, 0, 70, 500}));
  EXPECT_EQ(page.ballisticsLabel(), "");
  EXPECT_FALSE(page.resultsValid());
  EXPECT_FALSE(page.inputsInvalid());
  EXPECT_FALSE(page.recomputePending());
  EXPECT_TRUE(page.listRows().empty());
  EXPECT_EQ(page.rangeIncrementEntry(), 2);
  EXPECT_EQ(page.rangeIncrement(), 50.0f);
  EXPECT_FALSE(page.autoUpdate());
  EXPECT_TRUE(dialogs.messages.empty());
  // The first computation ran on the inputs it had.
  EXPECT_EQ(engine->lastInputs().muzzleVelocity, 0);
}

using BallisticsPageHandOver = BallisticsPageTest;

TEST_F(BallisticsPageHandOver, StoresTheSevenValuesAndShowsThemInTheFieldFormats) {
  page.setInputsFromLoad(0.4355, 129.9, 3016.8, 275.6, 1.456, 59.9, 5280.4,
                         ".270 Cal, Sierra Gameking, 129 grn");
  EXPECT_EQ(page.inputs(), (BallisticInputs{0.4355, 129.9, 3016.8, 275.6, 1.456, 59.9, 5280.4}));
  EXPECT_EQ(page.fieldTexts(), (BallisticsFieldTexts{".270 Cal, Sierra Gameking, 129 grn", "0.435",
                                                     "129", "3016", "275", "1.46", "59", "5280"}));
  EXPECT_EQ(page.ballisticsLabel(), ".270 Cal, Sierra Gameking, 129 grn");
  EXPECT_FALSE(page.recomputePending());  // the caller sets it
  EXPECT_TRUE(dialogs.messages.empty());  // nothing validated
  EXPECT_FALSE(page.resultsValid());      // nothing computed
}

TEST_F(BallisticsPageHandOver, ZeroMeansNeverEnteredForRangeConditionsOnly) {
  page.setInputsFromLoad(0, 0, 0, 0, 0, 0, 0, "");
  EXPECT_EQ(page.inputs(), (BallisticInputs{0, 0, 0, 250, 1.5, 70, 500}));
  EXPECT_EQ(page.fieldTexts().scopeHeight, "1.50");
  EXPECT_EQ(page.fieldTexts().temperature, "70");
  EXPECT_EQ(page.fieldTexts().ballisticCoeff, "0.000");
  EXPECT_EQ(page.fieldTexts().muzzleVelocity, "0");
}

TEST_F(BallisticsPageHandOver, NegativeValuesAreCutTowardZeroAndKeptWhenNotZero) {
  page.setInputsFromLoad(0.3, 150, 2800, 100, 0.004, -0.5, -99.9, "x");
  EXPECT_EQ(page.inputs().temperature, -0.5);  // only exactly 0 is replaced
  EXPECT_EQ(page.fieldTexts().temperature, "0");
  EXPECT_EQ(page.fieldTexts().altitude, "-99");
  EXPECT_EQ(page.fieldTexts().scopeHeight, "0.00");
}

TEST_F(BallisticsPageHandOver, LabelIsCopiedUnchangedUpToItsCapacity) {
  const std::string label = "100% Cal, %s %d, 150 grn";
  page.setInputsFromLoad(0.3, 150, 2800, 100, 1.5, 70, 500, label);
  EXPECT_EQ(page.ballisticsLabel(), label);
  EXPECT_EQ(page.fieldTexts().name, label);

  page.setInputsFromLoad(0.3, 150, 2800, 100, 1.5, 70, 500, std::string(200, 'x'));
  EXPECT_EQ(page.ballisticsLabel(), std::string(127, 'x'));
  EXPECT_EQ(page.fieldTexts().name, std::string(127, 'x'));
}

using BallisticsPageReCompute = BallisticsPageTest;

TEST_F(BallisticsPageReCompute, ValidInputsComputeAndListEveryFiftyYards) {
  handOverDefaultLoad();
  page.reCompute();
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_TRUE(page.resultsValid());
  EXPECT_FALSE(page.inputsInvalid());
  EXPECT_TRUE(page.resultButtonsEnabled());
  EXPECT_EQ(page.inputs(), (BallisticInputs{0.436, 130, 3016, 250, 1.5, 70, 500}));
  ASSERT_EQ(page.listRows().size(), 21u);
  EXPECT_EQ(page.listRows()[0][0], "0 yds");
  EXPECT_EQ(page.listRows()[0][1], "-1.50 in");
  EXPECT_EQ(page.listRows()[0][2], "3016 fps");
  EXPECT_EQ(page.listRows()[0][4], "0.000 sec");
  EXPECT_EQ(page.listRows()[5][0], "250 yds");
  EXPECT_TRUE(page.listRows()[5][1] == "0.00 in" || page.listRows()[5][1] == "-0.00 in");
  EXPECT_EQ(page.listRows()[20][0], "1000 yds");
  EXPECT_EQ(engine->lastInputs().bulletWeight, 130);
}

TEST_F(BallisticsPageReCompute, ParsesDecimalsAndWholeNumbersByTheirLeadingNumber) {
  handOverDefaultLoad();
  type(Field::BallisticCoeff, " 0.5x");
  type(Field::BulletWeight, "130.7");
  type(Field::MuzzleVelocity, "+2900 fps");
  type(Field::TargetDistance, "200.9");
  type(Field::ScopeHeight, "1.75in");
  type(Field::Temperature, "-12.5");
  type(Field::Altitude, "5280ft");
  type(Field::Name, "typed name");
  page.reCompute();
  EXPECT_EQ(page.inputs(), (BallisticInputs{0.5, 130, 2900, 200, 1.75, -12, 5280}));
  EXPECT_EQ(page.ballisticsLabel(), "typed name");
  EXPECT_TRUE(dialogs.messages.empty());
  // The fields keep what was typed.
  EXPECT_EQ(page.fieldTexts().bulletWeight, "130.7");
}

TEST_F(BallisticsPageReCompute, RangeBoundsAtTheirEdges) {
  const struct {
    Field field;
    const char* valid;
    const char* invalid;
  } edges[] = {{Field::BallisticCoeff, "0.022", "0.0219"}, {Field::BallisticCoeff, "5", "5.001"},
               {Field::BulletWeight, "1", "0.5"},          {Field::BulletWeight, "900", "901"},
               {Field::MuzzleVelocity, "4499", "4500"},    {Field::MuzzleVelocity, "500", "499"},
               {Field::TargetDistance, "50", "49"},        {Field::TargetDistance, "1000", "1001"},
               {Field::ScopeHeight, "0.001", "0.0009"},    {Field::ScopeHeight, "6", "6.01"},
               {Field::Temperature, "-60", "-61"},         {Field::Temperature, "120", "121"},
               {Field::Altitude, "-100", "-101"},          {Field::Altitude, "20000", "20001"}};
  for (const auto& edge : edges) {
    SCOPED_TRACE(std::string(edge.valid) + " / " + edge.invalid);
    handOverDefaultLoad();
    type(edge.field, edge.valid);
    page.reCompute();
    EXPECT_TRUE(page.resultsValid());
    type(edge.field, edge.invalid);
    dialogs.messages.clear();
    page.reCompute();
    EXPECT_FALSE(page.resultsValid());
    ASSERT_EQ(dialogs.messages.size(), 1u);
  }
}

TEST_F(BallisticsPageReCompute, AllSevenInvalidGiveOneMessageInTableOrderAndAnEmptyList) {
  handOverDefaultLoad();
  page.reCompute();
  ASSERT_EQ(page.listRows().size(), 21u);
  for (Field field :
       {Field::BallisticCoeff, Field::BulletWeight, Field::MuzzleVelocity, Field::TargetDistance,
        Field::ScopeHeight, Field::Temperature, Field::Altitude})
    type(field, "-999 not a value");
  page.reCompute();
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].title, "Value Range Error");
  EXPECT_EQ(dialogs.messages[0].buttons, Buttons::Ok);
  EXPECT_EQ(dialogs.messages[0].text, kRangeErrorOpening +
                                          "   Ballistic Coeff must be between 0.022 and 5.00\n"
                                          "   Bullet Weight must be between 1 and 900\n"
                                          "   Velocity must be between 500 and 4500\n"
                                          "   Target Distance must be between 50 and 1000\n"
                                          "   Scope Height must be between 0.001 and 6.000\n"
                                          "   Temperature must be between -60 and 120\n"
                                          "   Altitude must be between -100 and 20000\n");
  EXPECT_TRUE(page.listRows().empty());
  EXPECT_TRUE(page.inputsInvalid());
  EXPECT_FALSE(page.resultsValid());
  EXPECT_FALSE(page.resultButtonsEnabled());

  // A passing validation enables the four buttons again and clears the flag.
  handOverDefaultLoad();
  page.reCompute();
  EXPECT_TRUE(page.resultButtonsEnabled());
  EXPECT_FALSE(page.inputsInvalid());
}

TEST_F(BallisticsPageReCompute, ATypedZeroTemperatureIsZeroUnlikeAHandedOverOne) {
  page.setInputsFromLoad(0.436, 130, 3016, 250, 1.5, 0, 0, kDefaultLabel);
  EXPECT_EQ(page.inputs().temperature, 70);
  EXPECT_EQ(page.inputs().altitude, 500);
  type(Field::Temperature, "0");
  page.reCompute();
  EXPECT_EQ(page.inputs().temperature, 0);
  EXPECT_TRUE(page.resultsValid());
}

TEST_F(BallisticsPageReCompute, InputsAreValidAsksWithoutMessageOrButtonChange) {
  handOverDefaultLoad();
  EXPECT_TRUE(page.inputsAreValid());
  page.setInputsFromLoad(0.436, 130, 4500, 250, 1.5, 70, 500, kDefaultLabel);
  EXPECT_FALSE(page.inputsAreValid());
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_FALSE(page.resultButtonsEnabled());  // as initialised: no validation has run
}

TEST_F(BallisticsPageReCompute, TargetDistanceTypingSetsTheZeroRangeAtOnce) {
  handOverDefaultLoad();
  page.reCompute();
  const TrajectoryTable before = page.table();
  type(Field::TargetDistance, "300.8");
  EXPECT_EQ(page.inputs().targetDistance, 300);
  type(Field::TargetDistance, "abc");
  EXPECT_EQ(page.inputs().targetDistance, 0);  // no validation here
  type(Field::MuzzleVelocity, "2000");
  EXPECT_EQ(page.inputs().muzzleVelocity, 3016);  // other fields wait for Re-Compute
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_TRUE(page.table() == before);  // nothing computed
}

using BallisticsPageLoadData = BallisticsPageTest;

TEST_F(BallisticsPageLoadData, AutoUpdateWritesFourValuesBackOnReCompute) {
  LoadRecord& load = addCurrentLoad(makeLoad(".308", 150));
  load.ballisticCoeff = 0.4f;
  load.avVelocity = 2800;
  handOverDefaultLoad();
  page.clickAutoUpdate(true);  // writes the handed-over values at once
  EXPECT_EQ(load.avVelocity, 3016.0f);
  type(Field::MuzzleVelocity, "2950");
  type(Field::ScopeHeight, "1.8");
  type(Field::Temperature, "40");
  type(Field::Altitude, "7000");
  type(Field::BallisticCoeff, "0.5");
  type(Field::BulletWeight, "165");
  type(Field::TargetDistance, "300");
  page.reCompute();
  EXPECT_EQ(load.avVelocity, 2950.0f);
  EXPECT_EQ(load.scopeHeight, 1.8f);
  EXPECT_EQ(load.temperature, 40.0f);
  EXPECT_EQ(load.elevation, 7000.0f);
  EXPECT_EQ(load.ballisticCoeff, 0.4f);  // never written back
  EXPECT_EQ(load.bulletWeight, 150.0f);
  EXPECT_EQ(load.targetDistance, 250.0f);
}

TEST_F(BallisticsPageLoadData, TickingWritesTheCurrentInputsNotTheUnparsedTexts) {
  LoadRecord& load = addCurrentLoad(makeLoad(".308", 150));
  handOverDefaultLoad();
  type(Field::MuzzleVelocity, "2222");
  page.clickAutoUpdate(true);
  EXPECT_TRUE(page.autoUpdate());
  EXPECT_EQ(load.avVelocity, 3016.0f);
  EXPECT_EQ(load.elevation, 500.0f);

  load.avVelocity = 1;
  page.clickAutoUpdate(false);  // unticking changes nothing else
  EXPECT_FALSE(page.autoUpdate());
  EXPECT_EQ(load.avVelocity, 1.0f);
  page.reCompute();
  EXPECT_EQ(load.avVelocity, 1.0f);
}

TEST_F(BallisticsPageLoadData, NoWriteBackWithoutALoadOrWhenValidationFails) {
  handOverDefaultLoad();
  page.clickAutoUpdate(true);
  page.reCompute();  // no current load: skipped silently
  EXPECT_TRUE(dialogs.messages.empty());

  LoadRecord& load = addCurrentLoad(makeLoad(".308", 150));
  load.avVelocity = 2800;
  type(Field::MuzzleVelocity, "4500");
  page.reCompute();
  EXPECT_EQ(load.avVelocity, 2800.0f);
}

TEST_F(BallisticsPageLoadData, GetLoadDataWithoutALoadOnlyComplains) {
  handOverDefaultLoad();
  const BallisticsFieldTexts before = page.fieldTexts();
  page.getLoadData();
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text, "LOAD INFORMATION doesn't contain a valid load");
  EXPECT_EQ(dialogs.messages[0].title, "Get Data Error");
  EXPECT_EQ(dialogs.messages[0].buttons, Buttons::Ok);
  EXPECT_EQ(page.fieldTexts(), before);
}

TEST_F(BallisticsPageLoadData, GetLoadDataFillsTheFieldsAndKeepsThePreviousResults) {
  handOverDefaultLoad();
  page.reCompute();
  const auto rowsBefore = page.listRows();
  LoadRecord load = makeLoad(".308", 150.9f, "Hornady", "SST");
  load.ballisticCoeff = 0.415f;
  load.avVelocity = 2820;
  load.targetDistance = 0;
  load.scopeHeight = 0;
  load.temperature = 0;
  load.elevation = 0;
  addCurrentLoad(load);
  page.getLoadData();
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_EQ(page.fieldTexts(), (BallisticsFieldTexts{".308 Cal, Hornady SST, 150 grn", "0.415",
                                                     "150", "2820", "250", "1.50", "70", "500"}));
  EXPECT_EQ(page.ballisticsLabel(), ".308 Cal, Hornady SST, 150 grn");
  EXPECT_EQ(page.inputs().bulletWeight, 150.9f);
  EXPECT_EQ(page.listRows(), rowsBefore);  // nothing computed until Re-Compute
  EXPECT_EQ(engine->lastInputs().bulletWeight, 130);
  EXPECT_TRUE(page.resultButtonsEnabled());
}

TEST_F(BallisticsPageLoadData, GetLoadDataWithOutOfRangeValuesEmptiesTheList) {
  handOverDefaultLoad();
  page.reCompute();
  LoadRecord load = makeLoad(".308", 0);
  load.ballisticCoeff = 0.415f;
  load.avVelocity = 2820;
  addCurrentLoad(load);
  page.getLoadData();
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text,
            kRangeErrorOpening + "   Bullet Weight must be between 1 and 900\n");
  EXPECT_TRUE(page.inputsInvalid());
  EXPECT_TRUE(page.listRows().empty());
  EXPECT_FALSE(page.resultButtonsEnabled());
}

using BallisticsPageLongName = BallisticsPageTest;

TEST_F(BallisticsPageLongName, EveryTakingOfTheFieldsComplainsOnceAndLeavesTheCheckBox) {
  LoadRecord& load = addCurrentLoad(makeLoad(".308", 150));
  load.avVelocity = 2800;
  const std::string label(73, 'n');
  page.setInputsFromLoad(0.436, 130, 3016, 250, 1.5, 70, 500, label);
  EXPECT_EQ(page.fieldTexts().name, label);  // the program may set more than can be typed

  page.clickAutoUpdate(true);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text, "Please enter no more than 64 characters.");
  EXPECT_EQ(dialogs.messages[0].title, "Deadhold");
  EXPECT_EQ(dialogs.messages[0].buttons, Buttons::Ok);
  EXPECT_TRUE(page.autoUpdateChecked());
  EXPECT_FALSE(page.autoUpdate());
  EXPECT_EQ(load.avVelocity, 2800.0f);

  type(Field::TargetDistance, "300");
  EXPECT_EQ(dialogs.messages.size(), 2u);
  EXPECT_EQ(page.inputs().targetDistance, 300);
  type(Field::Temperature, "50");  // only the target distance takes the fields
  EXPECT_EQ(dialogs.messages.size(), 2u);

  page.reCompute();  // goes on with every text taken
  EXPECT_EQ(dialogs.messages.size(), 3u);
  EXPECT_TRUE(page.resultsValid());
  EXPECT_EQ(page.inputs().temperature, 50);
  EXPECT_EQ(page.ballisticsLabel(), label);
  EXPECT_EQ(load.avVelocity, 2800.0f);  // the box was never taken

  type(Field::Name, std::string(64, 'n'));
  page.reCompute();
  EXPECT_EQ(dialogs.messages.size(), 3u);
  EXPECT_TRUE(page.autoUpdate());
  EXPECT_EQ(load.avVelocity, 3016.0f);
}

using BallisticsPageList = BallisticsPageTest;

TEST_F(BallisticsPageList, IncrementsListTheirRowsToThousandYards) {
  handOverDefaultLoad();
  page.reCompute();
  const struct {
    int entry;
    float increment;
    std::size_t rows;
    const char* second;
  } cases[] = {{0, 10, 101, "10 yds"},
               {1, 25, 41, "25 yds"},
               {3, 100, 11, "100 yds"},
               {2, 50, 21, "50 yds"}};
  for (const auto& c : cases) {
    page.chooseRangeIncrement(c.entry);
    EXPECT_EQ(page.rangeIncrement(), c.increment);
    ASSERT_EQ(page.listRows().size(), c.rows);
    EXPECT_EQ(page.listRows()[1][0], c.second);
    EXPECT_EQ(page.listRows().back()[0], "1000 yds");
  }
}

TEST_F(BallisticsPageList, OnlyAChangeOfSelectionRefreshesTheList) {
  handOverDefaultLoad();
  page.reCompute();
  const auto rows = page.listRows();
  engine->computeTrajectory({0.3, 150, 2600, 100, 1.5, 70, 500});  // someone else computes
  page.chooseRangeIncrement(2);
  EXPECT_EQ(page.listRows(), rows);
  page.chooseRangeIncrement(-1);
  page.chooseRangeIncrement(4);
  EXPECT_EQ(page.rangeIncrement(), 50.0f);
  EXPECT_EQ(page.listRows(), rows);
  page.chooseRangeIncrement(3);
  EXPECT_EQ(page.listRows()[1][2], rangeListCells(page.table()[100])[2]);
  EXPECT_NE(page.listRows()[1][2], rows[2][2]);
}

TEST_F(BallisticsPageList, NoRowsWhileResultsAreInvalid) {
  handOverDefaultLoad();
  type(Field::BulletWeight, "0");
  page.reCompute();
  page.chooseRangeIncrement(0);
  EXPECT_TRUE(page.listRows().empty());
}

TEST_F(BallisticsPageList, ListingClampsANegativeTimeInTheTableItself) {
  handOverDefaultLoad();
  page.reCompute();
  page.chooseRangeIncrement(0);
  TrajectoryTable& table = engine->table();
  table[10].time = -1e-9;
  table[15].time = -1e-9;
  page.chooseRangeIncrement(1);  // lists 0, 25, 50 ...: neither 10 nor 15
  page.chooseRangeIncrement(0);  // lists 10, not 15
  EXPECT_EQ(page.listRows()[1][4], "0.000 sec");
  EXPECT_EQ(table[10].time, 0.0);
  EXPECT_EQ(table[15].time, -1e-9);
}

using BallisticsPagePaint = BallisticsPageTest;

TEST_F(BallisticsPagePaint, APendingRecomputeRunsAtThePaintAndOnlyOnce) {
  handOverDefaultLoad();
  page.setRecomputePending(true);
  RecordingSurface surface;
  page.paint(surface);
  EXPECT_FALSE(page.recomputePending());
  EXPECT_TRUE(page.resultsValid());
  EXPECT_EQ(page.listRows().size(), 21u);

  type(Field::MuzzleVelocity, "2500");
  page.paint(surface);
  EXPECT_EQ(engine->lastInputs().muzzleVelocity, 3016);  // no request, no computation
}

TEST_F(BallisticsPagePaint, APendingRecomputeOfInvalidValuesComplainsAtThePaint) {
  page.setInputsFromLoad(0, 0, 0, 0, 0, 0, 0, "No values");
  page.setRecomputePending(true);
  RecordingSurface surface;
  page.paint(surface);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].title, "Value Range Error");
  EXPECT_TRUE(page.inputsInvalid());
  // The graph is drawn anyway, without a path.
  for (const DrawOp& op : surface.lines()) EXPECT_NE(op.pen.color, kRed);
  EXPECT_FALSE(surface.lines().empty());
}

}  // namespace
}  // namespace deadhold::testing
