#include "engine/kill_zone_search.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "engine/quiet_engine.h"

namespace deadhold {
namespace {

BallisticInputs startingFrom(double targetDistance) {
  BallisticInputs inputs = kDefaultLoad;
  inputs.targetDistance = targetDistance;
  return inputs;
}

struct Expected {
  double height;
  double zero;
  int maxRange;
};

constexpr Expected kPrintoutHeights[] = {
    {4, 219, 256}, {6, 254, 298}, {8, 283, 333}, {10, 309, 363}, {12, 332, 390}};

TEST(KillZoneSearch, PrintoutHeightsFromTwoHundredFiftyAndFromOneHundredYards) {
  QuietEngine engine;
  for (double start : {250.0, 100.0}) {
    for (const Expected& e : kPrintoutHeights) {
      SCOPED_TRACE(testing::Message() << "start " << start << " height " << e.height);
      const KillZoneResult result = searchKillZoneRange(engine, startingFrom(start), e.height);
      EXPECT_EQ(result.zeroDistance, e.zero);
      EXPECT_EQ(result.maxRange, e.maxRange);
    }
  }
  EXPECT_EQ(engine.diagnostics.str(), "");
}

TEST(KillZoneSearch, SixInchesGivesTheSameAnswerFromAnyWholeYardStart) {
  QuietEngine engine;
  for (double start : {50.0, 51.0, 177.0, 254.0, 600.0, 999.0, 1000.0}) {
    SCOPED_TRACE(start);
    const KillZoneResult result = searchKillZoneRange(engine, startingFrom(start), 6);
    EXPECT_EQ(result.zeroDistance, 254);
    EXPECT_EQ(result.maxRange, 298);
  }
}

TEST(KillZoneSearch, LeavesTheTableOfTheZeroItFound) {
  QuietEngine engine;
  const KillZoneResult result = searchKillZoneRange(engine, kDefaultLoad, 8);
  const TrajectoryTable searched = engine.table();
  engine.computeTrajectory(startingFrom(result.zeroDistance));
  EXPECT_EQ(searched, engine.table());
  EXPECT_GT(searched[result.maxRange - 1].elevation, -4.0);
  EXPECT_LE(searched[result.maxRange].elevation, -4.0);
}

TEST(KillZoneSearch, ZeroHeightSightsInAtOneYard) {
  QuietEngine engine;
  for (double start : {250.0, 100.0}) {
    const KillZoneResult result = searchKillZoneRange(engine, startingFrom(start), 0);
    EXPECT_EQ(result.zeroDistance, 1);
    EXPECT_EQ(result.maxRange, 0);
  }
}

TEST(KillZoneSearch, HalfHeightEqualToTheScopeHeightGivesNoRange) {
  QuietEngine engine;
  const KillZoneResult result = searchKillZoneRange(engine, kDefaultLoad, 3);
  EXPECT_EQ(result.zeroDistance, 198);
  EXPECT_EQ(result.maxRange, 0);
}

TEST(KillZoneSearch, UnreachableHeightStopsAtTheLastYardOfTheTable) {
  QuietEngine engine;
  for (double height : {1000.0, 1e30, std::numeric_limits<double>::infinity()}) {
    SCOPED_TRACE(height);
    const KillZoneResult result = searchKillZoneRange(engine, kDefaultLoad, height);
    EXPECT_EQ(result.zeroDistance, kKillZoneHighestZero);
    EXPECT_EQ(result.maxRange, 1000);  // the path never falls that far within the table
  }
}

TEST(KillZoneSearch, RangeOfAnEarlyStoppedPathEndsAtItsLastRow) {
  QuietEngine engine;
  const BallisticInputs slow{0.1, 130, 500, 250, 1.5, 70, 500};
  const KillZoneResult result = searchKillZoneRange(engine, slow, 1e6);
  EXPECT_EQ(result.zeroDistance, kKillZoneHighestZero);
  const TrajectoryTable& table = engine.table();
  ASSERT_LT(result.maxRange, 1000);
  EXPECT_EQ(table[result.maxRange].range, result.maxRange);
  EXPECT_LT(table[result.maxRange].velocity, 300);
  EXPECT_EQ(table[result.maxRange + 1], TrajectoryPoint{});
}

TEST(KillZoneSearch, EndsForStartsAndHeightsOutsideAnyUse) {
  QuietEngine engine;
  const double nan = std::numeric_limits<double>::quiet_NaN();
  for (double start : {-1e300, -5.0, 1e300, nan}) {
    SCOPED_TRACE(start);
    const KillZoneResult result = searchKillZoneRange(engine, startingFrom(start), 6);
    EXPECT_EQ(result.zeroDistance, 254);
    EXPECT_EQ(result.maxRange, 298);
  }
  for (double height : {-10.0, -1e300, nan}) {
    SCOPED_TRACE(height);
    const KillZoneResult result = searchKillZoneRange(engine, kDefaultLoad, height);
    EXPECT_TRUE(std::isfinite(result.zeroDistance));
    EXPECT_GE(result.zeroDistance, kKillZoneLowestZero - 20);
    EXPECT_LE(result.zeroDistance, kKillZoneHighestZero);
  }
}

}  // namespace
}  // namespace deadhold
