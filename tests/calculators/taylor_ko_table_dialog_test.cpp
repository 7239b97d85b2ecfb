#include "calculators/taylor_ko_table_dialog.h"

#include <gtest/gtest.h>

#include <array>
#include <sstream>
#include <string>

#include "calculators/caliber_dialog.h"
#include "support/fake_dialogs.h"

namespace deadhold {
namespace {

TEST(SpeciesRating, StrictThresholds) {
  const SpeciesRating deer{"Deer", 21, 10, 7};
  EXPECT_STREQ(deer.rate(21.0001), "Excellent");
  EXPECT_STREQ(deer.rate(21), "Good");
  EXPECT_STREQ(deer.rate(10), "Marginal");
  EXPECT_STREQ(deer.rate(7), "Poor");
  EXPECT_STREQ(deer.rate(0), "Poor");
}

TEST(SpeciesRating, FourteenRowsInOrder) {
  ASSERT_EQ(kSpeciesRatings.size(), 14u);
  EXPECT_STREQ(kSpeciesRatings.front().name, "Antelope");
  EXPECT_STREQ(kSpeciesRatings[5].name, "Cape Buffalo");
  EXPECT_EQ(kSpeciesRatings[5].excellentAbove, 69);
  EXPECT_STREQ(kSpeciesRatings.back().name, "Wild Boar");
  EXPECT_EQ(kSpeciesRatings.back().marginalAbove, 11);
}

TEST(CaliberDialog, AcceptOnlyStrictlyBetweenZeroAndOne) {
  CaliberDialog dialog;
  EXPECT_FALSE(dialog.acceptEnabled());
  for (const char* text : {"1", "0", "", "abc", "-0.3", "1.0"}) {
    dialog.setFieldText(text);
    EXPECT_FALSE(dialog.acceptEnabled()) << text;
  }
  dialog.setFieldText("0.999");
  EXPECT_TRUE(dialog.acceptEnabled());
  EXPECT_EQ(dialog.accept(), 0.999);
  dialog.setFieldText(".308 Win");
  EXPECT_EQ(dialog.accept(), 0.308);
  EXPECT_EQ(CaliberDialog::cancel(), -1);
}

class TaylorKoTableTest : public ::testing::Test {
 protected:
  TaylorKoTableTest() { engine_.setDiagnosticStream(diagnostics_); }

  // Sets the velocity of every hundred-yard row, as if the engine had computed them.
  void setVelocities(double weight, double velocity) {
    engine_.computeTrajectory({0.4, weight, 2800, 200, 1.5, 70, 500});
    for (int k = 1; k <= 8; ++k) engine_.table()[100 * k].velocity = velocity;
  }

  const TaylorKoRow& row(const TaylorKoTableDialog& table, const std::string& species) {
    for (const TaylorKoRow& r : table.rows())
      if (r.species == species) return r;
    throw std::runtime_error("no row " + species);
  }

  Engine engine_;
  std::ostringstream diagnostics_;
  testing::FakeDialogs dialogs_;
};

TEST_F(TaylorKoTableTest, WorkedRatings) {
  setVelocities(150, 2000);
  TaylorKoTableDialog table(engine_, dialogs_);
  table.initialise(0.308);
  EXPECT_EQ(table.informationLine(), "Caliber: 0.308, Bullet Weight: 150 grns");
  ASSERT_EQ(table.rows().size(), 14u);
  EXPECT_EQ(table.rows()[0].species, "Antelope");
  EXPECT_EQ(row(table, "Deer").ratings[0], "Good");
  EXPECT_EQ(row(table, "Elk").ratings[3], "Marginal");
  EXPECT_EQ(row(table, "Bobcat").ratings[7], "Excellent");
  EXPECT_TRUE(dialogs_.messages.empty());
}

TEST_F(TaylorKoTableTest, EachColumnReadsItsOwnDistance) {
  // The default load, 130 grains from .277: 2806, 2605, 2413, 2230, 2054, 1886, 1729 and 1581
  // ft/s at 100 to 800 yards give knock-out values of 14.4, 13.4, 12.4, 11.5, 10.6, 9.7, 8.9 and
  // 8.1 (130 x v x 0.277 / 7000).
  engine_.computeTrajectory({0.436, 130, 3016, 250, 1.5, 70, 500});
  TaylorKoTableDialog table(engine_, dialogs_);
  table.initialise(0.277);
  using Ratings = std::array<std::string, 8>;
  // Cougar: Good above 12, Marginal above 9.
  EXPECT_EQ(row(table, "Cougar").ratings,
            (Ratings{"Good", "Good", "Good", "Marginal", "Marginal", "Marginal", "Poor", "Poor"}));
  // Deer: Good above 10, Marginal above 7.
  EXPECT_EQ(row(table, "Deer").ratings,
            (Ratings{"Good", "Good", "Good", "Good", "Good", "Marginal", "Marginal", "Marginal"}));
  // Coyote: Good above 7 all the way.
  Ratings allGood;
  allGood.fill("Good");
  EXPECT_EQ(row(table, "Coyote").ratings, allGood);
}

TEST_F(TaylorKoTableTest, ThresholdValueTakesTheLowerRating) {
  // 100 grains at 2000 ft/s from 0.35: exactly 10 by the table's own arithmetic.
  setVelocities(100, 2000);
  ASSERT_EQ(TaylorKoTableDialog::knockout(100, 2000, 0.35), 10.0);
  TaylorKoTableDialog table(engine_, dialogs_);
  table.initialise(0.35);
  EXPECT_EQ(row(table, "Deer").ratings[0], "Marginal");
  EXPECT_EQ(row(table, "Sheep").ratings[4], "Marginal");
}

TEST_F(TaylorKoTableTest, InformationLineTruncatesTheWeightButRatingsDoNot) {
  // A velocity at which 150.9 grains rate above Deer's 10 (10.03) and 150 grains below (9.97).
  const double velocity = 10.0 * 7000 / 0.3 / 150.5;
  setVelocities(150.9, velocity);
  TaylorKoTableDialog table(engine_, dialogs_);
  table.initialise(0.3);
  EXPECT_EQ(table.informationLine(), "Caliber: 0.300, Bullet Weight: 150 grns");
  EXPECT_EQ(row(table, "Deer").ratings[0], "Good");
  EXPECT_LT(TaylorKoTableDialog::knockout(150, velocity, 0.3), 10);
}

TEST_F(TaylorKoTableTest, NoEarlierComputationRatesEverythingPoor) {
  TaylorKoTableDialog table(engine_, dialogs_);
  table.initialise(0.5);
  EXPECT_EQ(table.informationLine(), "Caliber: 0.500, Bullet Weight: 0 grns");
  for (const TaylorKoRow& r : table.rows())
    for (const std::string& rating : r.ratings) EXPECT_EQ(rating, "Poor") << r.species;
}

TEST_F(TaylorKoTableTest, CancelledCaliberWarnsAndLeavesTheTableEmpty) {
  setVelocities(150, 2000);
  TaylorKoTableDialog table(engine_, dialogs_);
  table.initialise(CaliberDialog::cancel());
  ASSERT_EQ(dialogs_.messages.size(), 1u);
  EXPECT_EQ(dialogs_.messages[0].text, "Warning, Caliber must be greater than 0 and less than 1");
  EXPECT_EQ(dialogs_.messages[0].title, "Invalid Caliber");
  EXPECT_EQ(dialogs_.messages[0].buttons, Buttons::Ok);
  EXPECT_EQ(table.informationLine(), "");
  EXPECT_TRUE(table.rows().empty());
}

}  // namespace
}  // namespace deadhold
