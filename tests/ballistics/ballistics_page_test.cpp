#include "ballistics/ballistics_page.h"

#include <gtest/gtest.h>

namespace deadhold {
namespace {

TEST(BallisticsPageHandOver, StoresTheSevenValuesAndShowsThemInTheFieldFormats) {
  BallisticsPage page;
  page.setInputsFromLoad(0.4355, 129.9, 3016.8, 275.6, 1.456, 59.9, 5280.4,
                         ".270 Cal, Sierra Gameking, 129 grn");
  EXPECT_EQ(page.inputs(), (BallisticInputs{0.4355, 129.9, 3016.8, 275.6, 1.456, 59.9, 5280.4}));
  EXPECT_EQ(page.fieldTexts(), (BallisticsFieldTexts{".270 Cal, Sierra Gameking, 129 grn", "0.435",
                                                     "129", "3016", "275", "1.46", "59", "5280"}));
  EXPECT_EQ(page.ballisticsLabel(), ".270 Cal, Sierra Gameking, 129 grn");
  EXPECT_FALSE(page.recomputePending());  // the caller sets it
}

TEST(BallisticsPageHandOver, ZeroMeansNeverEnteredForRangeConditionsOnly) {
  BallisticsPage page;
  page.setInputsFromLoad(0, 0, 0, 0, 0, 0, 0, "");
  EXPECT_EQ(page.inputs(), (BallisticInputs{0, 0, 0, 250, 1.5, 70, 500}));
  EXPECT_EQ(page.fieldTexts().scopeHeight, "1.50");
  EXPECT_EQ(page.fieldTexts().temperature, "70");
  EXPECT_EQ(page.fieldTexts().ballisticCoeff, "0.000");
  EXPECT_EQ(page.fieldTexts().muzzleVelocity, "0");
}

TEST(BallisticsPageHandOver, NegativeValuesAreCutTowardZeroAndKeptWhenNotZero) {
  BallisticsPage page;
  page.setInputsFromLoad(0.3, 150, 2800, 100, 0.004, -0.5, -99.9, "x");
  EXPECT_EQ(page.inputs().temperature, -0.5);  // only exactly 0 is replaced
  EXPECT_EQ(page.fieldTexts().temperature, "0");
  EXPECT_EQ(page.fieldTexts().altitude, "-99");
  EXPECT_EQ(page.fieldTexts().scopeHeight, "0.00");
}

TEST(BallisticsPageHandOver, LabelIsCopiedUnchanged) {
  BallisticsPage page;
  const std::string label = "100% Cal, %s %d, 150 grn";
  page.setInputsFromLoad(0.3, 150, 2800, 100, 1.5, 70, 500, label);
  EXPECT_EQ(page.ballisticsLabel(), label);
  EXPECT_EQ(page.fieldTexts().name, label);

  const std::string tooLong(200, 'x');  // only a typed label could be this long
  page.setInputsFromLoad(0.3, 150, 2800, 100, 1.5, 70, 500, tooLong);
  EXPECT_EQ(page.ballisticsLabel(), std::string(127, 'x'));
}

TEST(BallisticsPageHandOver, InitialisationSetsTheStartingConditions) {
  BallisticsPage page;
  page.initialise();
  EXPECT_EQ(page.inputs(), (BallisticInputs{0, 0, 0, 250, 0, 70, 500}));
  EXPECT_EQ(page.ballisticsLabel(), "");
}

}  // namespace
}  // namespace deadhold
