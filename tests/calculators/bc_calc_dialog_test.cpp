#include "calculators/bc_calc_dialog.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "support/fake_dialogs.h"

namespace deadhold {
namespace {

using Field = BcCalcDialog::Field;

class BcCalcDialogTest : public ::testing::Test {
 protected:
  BcCalcDialogTest() { engine_.setDiagnosticStream(diagnostics_); }

  void enter(BcCalcDialog& dialog, const std::string& weight, const std::string& muzzle,
             const std::string& at100) {
    dialog.setFieldText(Field::BulletWeight, weight);
    dialog.setFieldText(Field::MuzzleVelocity, muzzle);
    dialog.setFieldText(Field::Velocity100, at100);
  }

  bool enabledFor(const std::string& weight, const std::string& muzzle, const std::string& at100) {
    BcCalcDialog dialog(engine_, dialogs_);
    enter(dialog, weight, muzzle, at100);
    return dialog.calculateEnabled();
  }

  Engine engine_;
  std::ostringstream diagnostics_;
  testing::FakeDialogs dialogs_;
};

TEST_F(BcCalcDialogTest, OpensEmptyAndDisabled) {
  BcCalcDialog dialog(engine_, dialogs_);
  EXPECT_FALSE(dialog.calculateEnabled());
  EXPECT_EQ(dialog.resultText(), "");
  EXPECT_EQ(dialog.fieldText(Field::BulletWeight), "");
}

TEST_F(BcCalcDialogTest, EnablingRanges) {
  EXPECT_TRUE(enabledFor("150", "2800", "2600"));
  EXPECT_TRUE(enabledFor("1", "500", "0.1"));
  EXPECT_TRUE(enabledFor("900", "4499.9", "4499.9"));
  EXPECT_FALSE(enabledFor("0.5", "2800", "2600"));
  EXPECT_FALSE(enabledFor("900.1", "2800", "2600"));
  EXPECT_FALSE(enabledFor("150", "499.9", "400"));
  EXPECT_FALSE(enabledFor("150", "4500", "2600"));
  EXPECT_FALSE(enabledFor("150", "2800", "0"));
  EXPECT_FALSE(enabledFor("150", "2800", "4500"));
  EXPECT_FALSE(enabledFor("heavy", "2800", "2600"));
  EXPECT_TRUE(enabledFor("150gr", " 2800 fps", "2600."));
}

TEST_F(BcCalcDialogTest, EnablingIsRetestedOnEveryChange) {
  BcCalcDialog dialog(engine_, dialogs_);
  enter(dialog, "150", "2800", "2600");
  EXPECT_TRUE(dialog.calculateEnabled());
  dialog.setFieldText(Field::MuzzleVelocity, "4500");
  EXPECT_FALSE(dialog.calculateEnabled());
  dialog.setFieldText(Field::MuzzleVelocity, "2800");
  EXPECT_TRUE(dialog.calculateEnabled());
}

TEST_F(BcCalcDialogTest, DropOverThousandWarnsAndKeepsTheResult) {
  BcCalcDialog dialog(engine_, dialogs_);
  enter(dialog, "150", "3000", "2900");
  dialog.calculate();
  const std::string before = dialog.resultText();
  ASSERT_FALSE(before.empty());
  const LastInputs searched = engine_.lastInputs();

  dialog.setFieldText(Field::Velocity100, "1999");
  dialog.calculate();
  ASSERT_EQ(dialogs_.messages.size(), 1u);
  EXPECT_EQ(dialogs_.messages[0].text,
            "You have entered velocities which decrease by over 1000 fps in 100 yrds\n"
            "No known bullet behaves like this. Please double check the entered Velocities.");
  EXPECT_EQ(dialogs_.messages[0].title, "Velocity Warning");
  EXPECT_EQ(dialogs_.messages[0].buttons, Buttons::Ok);
  EXPECT_EQ(dialog.resultText(), before);
  EXPECT_EQ(engine_.lastInputs().ballisticCoeff, searched.ballisticCoeff);

  dialog.setFieldText(Field::Velocity100, "2000");
  dialog.calculate();
  EXPECT_EQ(dialogs_.messages.size(), 1u);
  EXPECT_NE(dialog.resultText(), before);
}

TEST_F(BcCalcDialogTest, NoVelocityLossGivesSevenTenths) {
  BcCalcDialog dialog(engine_, dialogs_);
  enter(dialog, "150", "2800", "2800");
  dialog.calculate();
  EXPECT_EQ(dialog.resultText(), "0.700");
  dialog.setFieldText(Field::Velocity100, "3500");
  dialog.calculate();
  EXPECT_EQ(dialog.resultText(), "0.700");
  EXPECT_TRUE(dialogs_.messages.empty());
}

TEST_F(BcCalcDialogTest, DefaultLoadFindsJustUnderItsCoefficient) {
  engine_.computeTrajectory({0.436, 130, 3016, 100.1, 1.5, 70, 500});
  const std::string measured = std::to_string(engine_.table()[100].velocity);
  BcCalcDialog dialog(engine_, dialogs_);
  enter(dialog, "130", "3016", measured);
  dialog.calculate();
  EXPECT_EQ(dialog.resultText(), "0.430");
  EXPECT_TRUE(dialogs_.messages.empty());
}

TEST_F(BcCalcDialogTest, NothingFitsShowsUnknownAfterAnEmptiedResult) {
  // A recorder that looks at the result field while the failure message is up.
  struct Watching : testing::FakeDialogs {
    const BcCalcDialog* dialog = nullptr;
    std::string resultDuringMessage = "not shown";
    Answer messageBox(const std::string& text, const std::string& title, Buttons buttons,
                      Icon icon) override {
      resultDuringMessage = dialog->resultText();
      return FakeDialogs::messageBox(text, title, buttons, icon);
    }
  } watching;
  BcCalcDialog dialog(engine_, watching,
                      [](double, double) { return [](double) { return 4000.0; }; });
  watching.dialog = &dialog;
  enter(dialog, "150", "2800", "2600");
  dialog.calculate();
  ASSERT_EQ(watching.messages.size(), 1u);
  EXPECT_EQ(watching.messages[0].text,
            "No known Ballistic Coefficients fit the velocities entered.\n"
            "Recheck the entered values and recompute");
  EXPECT_EQ(watching.messages[0].title, "Unknown");
  EXPECT_EQ(watching.messages[0].buttons, Buttons::Ok);
  EXPECT_EQ(watching.resultDuringMessage, "");
  EXPECT_EQ(dialog.resultText(), "Unknown");
}

TEST_F(BcCalcDialogTest, DisabledCalculateDoesNothing) {
  BcCalcDialog dialog(engine_, dialogs_);
  enter(dialog, "150", "2800", "0");
  dialog.calculate();
  EXPECT_EQ(dialog.resultText(), "");
  EXPECT_TRUE(dialogs_.messages.empty());
  EXPECT_EQ(engine_.lastInputs().muzzleVelocity, 0);
}

TEST_F(BcCalcDialogTest, TableIsRestoredOnCloseButLastInputsAreNot) {
  engine_.computeTrajectory({0.436, 130, 3016, 250, 1.5, 70, 500});
  const auto shown = std::make_unique<TrajectoryTable>(engine_.table());
  {
    BcCalcDialog dialog(engine_, dialogs_);
    enter(dialog, "168", "2650", "2450");
    dialog.calculate();
    EXPECT_NE(engine_.table()[100], (*shown)[100]);
  }
  EXPECT_TRUE(engine_.table() == *shown);
  EXPECT_EQ(engine_.lastInputs().bulletWeight, 168);
  EXPECT_EQ(engine_.lastInputs().muzzleVelocity, 2650);
  EXPECT_NE(engine_.lastInputs().ballisticCoeff, 0.436);
}

}  // namespace
}  // namespace deadhold
