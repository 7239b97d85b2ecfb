#include "loadinfo/shot_string_dialog.h"

#include <gtest/gtest.h>

#include "loads/load_rules.h"
#include "support/fake_dialogs.h"
#include "support/recording_surface.h"

namespace deadhold {
namespace {

using testing::drawnBox;
using testing::DrawOp;
using testing::FakeDialogs;
using testing::RecordingSurface;
using Field = ShotStringField;

int holeCount(const ShotStringDialog& dialog) {
  RecordingSurface surface;
  dialog.paint(surface);
  int holes = 0;
  for (const DrawOp& op : surface.ops) holes += op.kind == DrawOp::Kind::Ellipse;
  return holes;
}

class ShotStringDialogTest : public ::testing::Test {
 protected:
  LoadRecord load = blankLoadRecord();
  FakeDialogs dialogs;
};

TEST_F(ShotStringDialogTest, OpeningShowsTheRangeConditionsAndStoresTheGroupSize) {
  load.targetDistance = 300.9f;
  load.elevation = -20.5f;
  load.temperature = 45.0f;
  load.scopeHeight = 1.5f;
  load.wind.assign("10 mph from 3");
  load.notes.assign("line one\r\nline two");
  load.avGroup = 9.0f;
  load.shots[0] = {2900.0f, 0.0f, 0.0f, 0.0f, 1};
  load.shots[5] = {2950.0f, 3.0f, 4.0f, 5.0f, 1};
  const ShotStringDialog dialog(load, dialogs);

  EXPECT_EQ(dialog.fieldText(Field::targetDistance), "300");
  EXPECT_EQ(dialog.fieldText(Field::elevation), "-20");
  EXPECT_EQ(dialog.fieldText(Field::temp), "45");
  EXPECT_EQ(dialog.fieldText(Field::scopeHeight), "1.500000");
  EXPECT_EQ(dialog.fieldText(Field::wind), "10 mph from 3");
  EXPECT_EQ(dialog.fieldText(Field::notes), "line one\r\nline two");
  EXPECT_EQ(dialog.fieldText(Field::groupSize), "5.000");
  EXPECT_EQ(load.avGroup, 5.0f);
  for (Field shotField : {Field::xDistance, Field::yDistance, Field::velocity, Field::radius})
    EXPECT_EQ(dialog.fieldText(shotField), "");
  EXPECT_EQ(dialog.selectedShot(), -1);
  EXPECT_FALSE(dialog.hideOthers());
  EXPECT_FALSE(dialog.pointerOverTarget());
  EXPECT_EQ(dialog.pointerXLine(), "");
}

TEST_F(ShotStringDialogTest, LabelsAndTypingLimits) {
  EXPECT_STREQ(ShotStringDialog::fieldLabel(Field::notes), "Notes (CTRL+ENTER for new line)");
  EXPECT_EQ(ShotStringDialog::fieldLimit(Field::notes), 120);
  EXPECT_EQ(ShotStringDialog::fieldLimit(Field::wind), 30);
  EXPECT_EQ(ShotStringDialog::fieldLimit(Field::temp), 16);
  EXPECT_EQ(ShotStringDialog::fieldLimit(Field::xDistance), 10);
  EXPECT_EQ(ShotStringDialog::fieldLimit(Field::scopeHeight), 10);
}

TEST_F(ShotStringDialogTest, RightClickPlacesTheSelectedShotAtEightyPixelsPerInch) {
  ShotStringDialog dialog(load, dialogs);
  dialog.selectShot(1);
  dialog.pointerMoved(472, 160);
  EXPECT_TRUE(dialog.pointerOverTarget());
  EXPECT_EQ(dialog.pointerXLine(), "X-Distance 1.000 in\n");
  EXPECT_EQ(dialog.pointerYLine(), "Y-Distance 1.000 in\n");
  dialog.rightButtonReleased();
  EXPECT_EQ(load.shots[0].shotX, 1.0f);
  EXPECT_EQ(load.shots[0].shotY, 1.0f);
  EXPECT_EQ(load.shots[0].shotPlaced, 1);
  EXPECT_EQ(dialog.fieldText(Field::xDistance), "1.000");
  EXPECT_EQ(dialog.fieldText(Field::yDistance), "1.000");
  EXPECT_EQ(dialog.fieldText(Field::radius), "1.414");
  EXPECT_TRUE(dialogs.messages.empty());

  // On the vertical centre line the hole sits at x = 0.
  dialog.selectShot(2);
  dialog.pointerMoved(392, 300);
  dialog.rightButtonReleased();
  EXPECT_EQ(load.shots[1].shotX, 0.0f);
  EXPECT_EQ(dialog.fieldText(Field::xDistance), "0.000");
  EXPECT_EQ(dialog.fieldText(Field::yDistance), "-0.750");
  EXPECT_EQ(holeCount(dialog), 3);  // two white, the selected one again in red
}

TEST_F(ShotStringDialogTest, PointerOverTheTargetMeansRightOf152AndAbove394) {
  ShotStringDialog dialog(load, dialogs);
  dialog.pointerMoved(153, 393);
  EXPECT_TRUE(dialog.pointerOverTarget());
  EXPECT_FLOAT_EQ(dialog.pointerX(), -2.9875f);
  dialog.pointerMoved(152, 100);
  EXPECT_FALSE(dialog.pointerOverTarget());
  EXPECT_EQ(dialog.pointerX(), 0.0f);
  EXPECT_EQ(dialog.pointerXLine(), "");
  EXPECT_EQ(dialog.pointerYLine(), "");
  dialog.pointerMoved(400, 200);
  dialog.pointerMoved(400, 394);
  EXPECT_FALSE(dialog.pointerOverTarget());
  dialog.pointerMoved(400, 200);
  dialog.pointerLeftTarget();
  EXPECT_FALSE(dialog.pointerOverTarget());
  EXPECT_EQ(dialog.pointerY(), 0.0f);

  // A right-click away from the target does nothing, not even the hint.
  dialog.rightButtonReleased();
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(ShotStringDialogTest, EditingBeforeChoosingAShotAsksForOneEachTime) {
  ShotStringDialog dialog(load, dialogs);
  dialog.pointerMoved(472, 160);
  dialog.rightButtonReleased();
  dialog.typeText(Field::xDistance, "1");
  dialog.typeText(Field::velocity, "3000");
  ASSERT_EQ(dialogs.messages.size(), 3u);
  for (const auto& message : dialogs.messages) {
    EXPECT_EQ(message.text, "Please Select a Shot # to edit first");
    EXPECT_EQ(message.title, "Error");
    EXPECT_EQ(message.buttons, Buttons::Ok);
  }
  EXPECT_EQ(dialog.fieldText(Field::xDistance), "1");  // the typed text stays
  for (const ShotRecord& shot : load.shots) {
    EXPECT_EQ(shot.shotPlaced, 0);
    EXPECT_EQ(shot.shotX, 0.0f);
    EXPECT_EQ(shot.shotVelocity, 0.0f);
  }
}

TEST_F(ShotStringDialogTest, TypedDistancesPlaceTheHoleAndVelocityDoesNot) {
  ShotStringDialog dialog(load, dialogs);
  dialog.selectShot(3);
  dialog.typeText(Field::velocity, "3050.5fps");
  EXPECT_EQ(load.shots[2].shotVelocity, 3050.5f);
  EXPECT_EQ(load.shots[2].shotPlaced, 0);
  dialog.typeText(Field::xDistance, "3");
  EXPECT_EQ(load.shots[2].shotPlaced, 1);
  dialog.typeText(Field::yDistance, "-4");
  EXPECT_EQ(load.shots[2].shotRadius, 5.0f);
  EXPECT_EQ(dialog.fieldText(Field::radius), "5.000");
  EXPECT_EQ(dialog.fieldText(Field::yDistance), "-4");

  dialog.selectShot(4);
  dialog.typeText(Field::xDistance, "0");
  dialog.typeText(Field::yDistance, "abc");
  EXPECT_EQ(dialog.fieldText(Field::groupSize), "5.000");
  EXPECT_EQ(load.avGroup, 5.0f);
}

TEST_F(ShotStringDialogTest, OneHoleIsNoGroup) {
  load.avGroup = 2.0f;
  load.shots[7] = {2900.0f, 1.0f, 2.0f, 2.236f, 1};
  const ShotStringDialog dialog(load, dialogs);
  EXPECT_EQ(dialog.fieldText(Field::groupSize), "0.000");
  EXPECT_EQ(load.avGroup, 0.0f);
}

TEST_F(ShotStringDialogTest, SelectingAShotShowsItsValues) {
  load.shots[4] = {3001.6f, -0.25f, 0.5f, 0.559f, 0};
  ShotStringDialog dialog(load, dialogs);
  dialog.selectShot(5);
  EXPECT_EQ(dialog.selectedShot(), 4);
  EXPECT_EQ(dialog.fieldText(Field::xDistance), "-0.250");
  EXPECT_EQ(dialog.fieldText(Field::yDistance), "0.500");
  EXPECT_EQ(dialog.fieldText(Field::radius), "0.559");
  EXPECT_EQ(dialog.fieldText(Field::velocity), "3002");
  EXPECT_EQ(holeCount(dialog), 0);  // not placed
}

TEST_F(ShotStringDialogTest, ClosingSetsTheMeanVelocityOfPlacedShots) {
  load.shots[0] = {2900.0f, 0.1f, 0.0f, 0.1f, 1};
  load.shots[1] = {2950.0f, 0.2f, 0.0f, 0.2f, 1};
  load.shots[2] = {3100.0f, 0.0f, 0.0f, 0.0f, 0};  // typed velocity, never placed
  ShotStringDialog dialog(load, dialogs);
  dialog.close();
  EXPECT_TRUE(dialog.closed());
  EXPECT_EQ(load.avVelocity, 2925.0f);

  LoadRecord empty = blankLoadRecord();
  empty.avVelocity = 3000.0f;
  empty.shots[0].shotVelocity = 2800.0f;
  ShotStringDialog none(empty, dialogs);
  none.close();
  EXPECT_EQ(empty.avVelocity, 0.0f);
}

TEST_F(ShotStringDialogTest, RangeConditionsGoStraightIntoTheLoad) {
  ShotStringDialog dialog(load, dialogs);
  dialog.typeText(Field::scopeHeight, "1.5");
  dialog.typeText(Field::targetDistance, "250.7");
  dialog.typeText(Field::elevation, "5280 ft");
  dialog.typeText(Field::temp, "-5");
  dialog.typeText(Field::wind, "gusty");
  dialog.typeText(Field::notes, "first\r\nsecond");
  EXPECT_EQ(load.scopeHeight, 1.5f);
  EXPECT_EQ(load.targetDistance, 250.0f);
  EXPECT_EQ(load.elevation, 5280.0f);
  EXPECT_EQ(load.temperature, -5.0f);
  EXPECT_EQ(load.wind.str(), "gusty");
  EXPECT_EQ(load.notes.str(), "first\r\nsecond");
  EXPECT_TRUE(dialogs.messages.empty());  // no shot needed

  const ShotStringDialog reopened(load, dialogs);
  EXPECT_EQ(reopened.fieldText(Field::scopeHeight), "1.500000");
  EXPECT_EQ(reopened.fieldText(Field::targetDistance), "250");
}

TEST_F(ShotStringDialogTest, ResetHoleKeepsTheVelocity) {
  load.shots[1] = {2950.0f, 1.0f, 1.0f, 1.414f, 1};
  ShotStringDialog dialog(load, dialogs);
  dialog.resetHole();  // nothing selected: nothing happens
  EXPECT_EQ(load.shots[1].shotPlaced, 1);
  dialog.selectShot(2);
  dialog.resetHole();
  EXPECT_EQ(load.shots[1].shotPlaced, 0);
  EXPECT_EQ(load.shots[1].shotX, 0.0f);
  EXPECT_EQ(load.shots[1].shotVelocity, 2950.0f);
  EXPECT_EQ(dialog.fieldText(Field::xDistance), "0.000");
  EXPECT_EQ(dialog.fieldText(Field::radius), "0.000");
}

TEST_F(ShotStringDialogTest, ResetAllAsksKeepsVelocitiesAndSelectsShotOne) {
  load.shots[0] = {2900.0f, 1.0f, 1.0f, 1.414f, 1};
  load.shots[6] = {2950.0f, -1.0f, 1.0f, 1.414f, 1};
  ShotStringDialog dialog(load, dialogs);
  dialog.selectShot(7);
  dialogs.answers = {Answer::Cancel};
  dialog.resetAll();
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text, "Are you sure you want to reset the Shot Data?");
  EXPECT_EQ(dialogs.messages[0].title, "Warning");
  EXPECT_EQ(dialogs.messages[0].buttons, Buttons::OkCancel);
  EXPECT_EQ(load.shots[6].shotPlaced, 1);
  EXPECT_EQ(dialog.selectedShot(), 6);

  dialog.resetAll();  // OK
  for (const ShotRecord& shot : load.shots) {
    EXPECT_EQ(shot.shotPlaced, 0);
    EXPECT_EQ(shot.shotX, 0.0f);
    EXPECT_EQ(shot.shotRadius, 0.0f);
  }
  EXPECT_EQ(load.shots[0].shotVelocity, 2900.0f);
  EXPECT_EQ(load.shots[6].shotVelocity, 2950.0f);
  EXPECT_EQ(dialog.selectedShot(), 0);
  EXPECT_EQ(dialog.fieldText(Field::velocity), "2900");
  EXPECT_EQ(dialog.fieldText(Field::groupSize), "0.000");
}

TEST_F(ShotStringDialogTest, HideAllButSelected) {
  load.shots[0] = {2900.0f, 1.0f, 1.0f, 1.414f, 1};
  load.shots[1] = {2950.0f, -1.0f, 1.0f, 1.414f, 1};
  ShotStringDialog dialog(load, dialogs);
  dialog.setHideOthers(true);
  EXPECT_EQ(holeCount(dialog), 0);  // nothing selected: no hole at all
  dialog.selectShot(2);
  EXPECT_EQ(holeCount(dialog), 1);
  dialog.setHideOthers(false);
  EXPECT_EQ(holeCount(dialog), 3);
}

TEST_F(ShotStringDialogTest, PaintsTheTopOfTheTargetAtItsClientPlace) {
  const ShotStringDialog dialog(load, dialogs);
  RecordingSurface surface;
  dialog.paint(surface);
  ASSERT_EQ(surface.ops.size(), 1u);
  EXPECT_EQ(surface.ops[0].source, (Rect{0, 0, 600, 490}));
  EXPECT_EQ(drawnBox(surface.ops[0]), (Rect{152, 0, 632, 392}));
}

}  // namespace
}  // namespace deadhold
