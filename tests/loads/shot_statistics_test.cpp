#include "loads/shot_statistics.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "loads/load_rules.h"

namespace deadhold {
namespace {

LoadRecord loadWith(const std::vector<ShotRecord>& shots) {
  LoadRecord load = blankLoadRecord();
  for (std::size_t i = 0; i < shots.size(); ++i) load.shots[i] = shots[i];
  return load;
}

// The four texts, compared in one go.
std::vector<std::string> all(const VelocityTexts& t) {
  return {t.shots, t.mean, t.extremeSpread, t.standardDeviation};
}

TEST(VelocityStatistics, WorkedValues) {
  const std::vector<double> five = {2801, 2795, 2810, 2799, 2806};
  const VelocityStatistics s = velocityStatistics(five);
  EXPECT_EQ(s.shots, 5);
  EXPECT_NEAR(s.mean, 2802.2, 1e-9);
  EXPECT_DOUBLE_EQ(s.extremeSpread, 15.0);
  EXPECT_NEAR(*s.standardDeviation, std::sqrt(34.7), 1e-9);
  using Texts = std::vector<std::string>;
  EXPECT_EQ(all(velocityTexts(s)), (Texts{"5", "2802.2", "15.0", "5.89"}));
  const std::vector<double> one = {2950};
  EXPECT_EQ(all(velocityTexts(velocityStatistics(one))), (Texts{"1", "2950.0", "0.0", ""}));
  EXPECT_EQ(all(velocityTexts(velocityStatistics({}))), (Texts{"0", "", "", ""}));
}

// Velocities count placed or not; holes count only when placed. The load's avVelocity (placed
// shots only, zero velocities included) is no input here.
TEST(ShotStatistics, VelocitiesOfEveryShotHolesOfPlacedOnes) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  LoadRecord load = loadWith({{2801, 0, 0, 0, 1},
                              {2795, 2, 0, 2, 1},
                              {2810, 5, 5, 0, 0},  // a hole never placed: no part of the group
                              {0, 1, 3, 0, 1},     // placed, no velocity
                              {nan, 0, 0, 0, 0},
                              {2799, 0, 0, 0, 0},
                              {2806, 0, 0, 0, 0}});
  load.avVelocity = 1234.0f;
  const ShotStatistics s = shotStatistics(load);
  EXPECT_EQ(s.velocity.shots, 5);
  EXPECT_NEAR(s.velocity.mean, 2802.2, 1e-9);
  EXPECT_EQ(s.holes, 3);
  EXPECT_NEAR(s.groupSize, std::sqrt(10.0), 1e-6);  // (2,0) to (1,3)
  // Centre (1, 1): distances sqrt(2), sqrt(2), 2.
  EXPECT_NEAR(*s.meanRadius, (2 * std::sqrt(2.0) + 2) / 3, 1e-9);
  const ShotStatisticsTexts texts = shotStatisticsTexts(s);
  EXPECT_EQ(texts.groupSize, "3.162");
  EXPECT_EQ(texts.meanRadius, "1.609");

  const ShotStatistics oneHole = shotStatistics(loadWith({{0, 1, 1, 0, 1}}));
  EXPECT_EQ(oneHole.holes, 1);
  EXPECT_EQ(oneHole.groupSize, 0.0);
  EXPECT_FALSE(oneHole.meanRadius);
  EXPECT_EQ(shotStatisticsTexts(oneHole).meanRadius, "");
}

}  // namespace
}  // namespace deadhold
