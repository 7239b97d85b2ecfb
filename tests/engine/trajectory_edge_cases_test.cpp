#include <gtest/gtest.h>

#include <cmath>

#include "engine/quiet_engine.h"

namespace deadhold {
namespace {

BallisticInputs withTarget(BallisticInputs inputs, double targetDistance) {
  inputs.targetDistance = targetDistance;
  return inputs;
}

TEST(TrajectoryRowZero, StartsAtTheMuzzleBelowTheSightLine) {
  QuietEngine engine;
  BallisticInputs inputs = kDefaultLoad;
  inputs.scopeHeight = 2.25;
  engine.computeTrajectory(inputs);
  const TrajectoryPoint& row = engine.table()[0];
  EXPECT_EQ(row.range, 0.0);
  EXPECT_EQ(row.maxY, -2.25);
  EXPECT_NEAR(row.elevation, -2.25, 1e-12);
  EXPECT_NEAR(row.velocity, 3016, 1e-9);
  EXPECT_NEAR(row.time, 0, 1e-12);
  EXPECT_NEAR(row.drop, 0, 1e-12);
  EXPECT_NEAR(row.energy, 2625.47, 0.005);  // 1/450240 would give 2626.4
  EXPECT_EQ(engine.diagnostics.str(), "");
}

TEST(TrajectoryZeroing, PathCrossesTheSightLineAtTheTargetDistance) {
  QuietEngine engine;
  for (double z : {50.0, 100.0, 250.0, 417.0, 1000.0}) {
    SCOPED_TRACE(z);
    engine.computeTrajectory(withTarget(kDefaultLoad, z));
    EXPECT_NEAR(engine.table()[static_cast<int>(z)].elevation, 0, 1e-9);
    EXPECT_GT(engine.slope(), 0);
  }
}

TEST(TrajectoryZeroing, ZeroTargetDistanceLeavesTheSightLineOnTheBore) {
  QuietEngine engine;
  engine.computeTrajectory(withTarget(kDefaultLoad, 0));
  EXPECT_EQ(engine.slope(), 0.0);
  for (const TrajectoryPoint& row : engine.table()) {
    ASSERT_EQ(row.elevation, -row.drop - 1.5) << row.range;
    ASSERT_FALSE(std::isnan(row.elevation)) << row.range;
  }
}

TEST(TrajectoryEarlyStop, SlowBluntLoadLeavesLaterRowsZero) {
  QuietEngine engine;
  const BallisticInputs slow{0.1, 130, 500, 250, 1.5, 70, 500};
  engine.computeTrajectory(slow);
  const TrajectoryTable& table = engine.table();
  int lastRow = 0;
  while (lastRow < 1000 && table[lastRow + 1].range == lastRow + 1) ++lastRow;
  ASSERT_GT(lastRow, 100);
  ASSERT_LT(lastRow, 1000);
  // The row whose space selection failed (the space bound lies just below 300 ft/s) is still
  // stored, computed with the band of the row before.
  EXPECT_LT(table[lastRow].velocity, 299);
  EXPECT_LT(table[lastRow].velocity, table[lastRow - 1].velocity);
  EXPECT_NE(table[lastRow].lead[11], 0.0);
  for (int i = lastRow + 1; i <= 1000; ++i) ASSERT_EQ(table[i], TrajectoryPoint{}) << i;
  EXPECT_EQ(engine.diagnostics.str(), "Velocity out of range...\n");
}

TEST(TrajectoryEarlyStop, ANewComputationRewritesEveryRow) {
  QuietEngine engine;
  engine.computeTrajectory(kDefaultLoad);
  const TrajectoryTable full = engine.table();
  engine.computeTrajectory({0.1, 130, 500, 250, 1.5, 70, 500});
  EXPECT_EQ(engine.table()[1000], TrajectoryPoint{});
  engine.computeTrajectory(kDefaultLoad);
  EXPECT_EQ(engine.table(), full);
}

// The muzzle time of 3000 ft/s comes from band 20, every later time from band 19.
TEST(TrajectoryBandStep, ThreeThousandFeetPerSecondCarriesATimeOffset) {
  const BallisticInputs at3000{0.4, 130, 3000, 250, 1.5, 70, 500};
  BallisticInputs justBelow = at3000;
  justBelow.muzzleVelocity = 2999.9999;
  BallisticInputs at2999 = at3000;
  at2999.muzzleVelocity = 2999;

  QuietEngine a;
  QuietEngine b;
  QuietEngine c;
  a.computeTrajectory(at3000);
  b.computeTrajectory(justBelow);
  c.computeTrajectory(at2999);
  const double coefficient = 0.4 / a.densityRatio();
  EXPECT_NEAR(a.muzzleTime(), 1.606197, 5e-7);
  EXPECT_NEAR(b.muzzleTime(), 1.606622, 5e-7);

  // Against a start a hair slower, muzzle time from band 19, every time is late by about
  // C * (1.606622 - 1.606197); the muzzle space value steps too, which eats into it with range.
  const double offset = coefficient * (1.606622 - 1.606197);
  for (int row : {1, 100, 500, 1000}) {
    SCOPED_TRACE(row);
    const double late = a.table()[row].time - b.table()[row].time;
    EXPECT_GT(late, 0.8 * offset);
    EXPECT_LT(late, offset);
  }
  EXPECT_NEAR(a.table()[1].time - c.table()[1].time, 0.00017, 1e-5);
}

TEST(TrajectoryLeads, UseTheTruncatedSpeedsForEveryRow) {
  QuietEngine engine;
  engine.computeTrajectory(kDefaultLoad);
  const double speeds[kLeadCount] = {7.3333,  14.6666, 22.0, 29.3333, 36.6666, 44.0,
                                     51.3333, 58.6666, 66.0, 73.3333, 80.6666, 88.0};
  for (const TrajectoryPoint& row : engine.table())
    for (int k = 0; k < kLeadCount; ++k)
      ASSERT_EQ(row.lead[k], row.time * speeds[k]) << row.range << " " << k;
  const double time = engine.table()[1000].time;
  EXPECT_NE(engine.table()[1000].lead[0], time * (22.0 / 3.0));
}

TEST(TrajectoryLastInputs, RecordTheLastComputationWhateverItsOutcome) {
  QuietEngine engine;
  engine.computeTrajectory(kDefaultLoad);
  EXPECT_EQ(engine.lastInputs().muzzleVelocity, 3016.0);
  EXPECT_EQ(engine.lastInputs().bulletWeight, 130.0);
  EXPECT_EQ(engine.lastInputs().ballisticCoeff, 0.436);
  engine.computeTrajectory({0.1, 55, 500, 250, 1.5, 70, 500});
  EXPECT_EQ(engine.lastInputs().muzzleVelocity, 500.0);
  EXPECT_EQ(engine.lastInputs().bulletWeight, 55.0);
  EXPECT_EQ(engine.lastInputs().ballisticCoeff, 0.1);
}

// The band a computation leaves in force is the starting point of the next one when its muzzle
// velocity lies outside the model.
TEST(TrajectoryFailedMuzzleSelection, WorksWithTheBandLeftInForce) {
  BallisticInputs tooFast = kDefaultLoad;
  tooFast.muzzleVelocity = 4600;

  QuietEngine fresh;
  fresh.computeTrajectory(tooFast);
  EXPECT_EQ(fresh.muzzleSpace(), 0.0);
  EXPECT_EQ(fresh.muzzleTime(), 0.0);
  EXPECT_EQ(fresh.diagnostics.str().rfind("\nVelocity out of range...\n", 0), 0u);

  QuietEngine used;
  used.computeTrajectory(kDefaultLoad);
  const double lastVelocity = used.table()[1000].velocity;
  used.computeTrajectory(tooFast);
  EXPECT_EQ(used.lastInputs().muzzleVelocity, 4600.0);

  DragModel reference;
  ASSERT_EQ(reference.selectBandByVelocity(lastVelocity), 0);
  EXPECT_EQ(used.muzzleSpace(), reference.spaceFunction(4600));
  EXPECT_EQ(used.muzzleTime(), reference.timeFunction(4600));
}

// A zero coefficient or absolute-zero temperature divides by zero: the muzzle row's space value
// is not a number, its selection fails, and the computation ends there without trapping.
TEST(TrajectoryNonsenseInputs, StopAfterTheMuzzleRowWithoutTrapping) {
  for (const BallisticInputs& inputs :
       {BallisticInputs{0, 130, 3016, 250, 1.5, 70, 500},
        BallisticInputs{0.436, 130, 3016, 250, 1.5, -459.67, 500}}) {
    QuietEngine engine;
    engine.computeTrajectory(inputs);
    EXPECT_EQ(engine.table()[0].maxY, -1.5);
    EXPECT_EQ(engine.table()[1], TrajectoryPoint{});
    EXPECT_EQ(engine.diagnostics.str(), "Velocity out of range...\nVelocity out of range...\n");
  }
}

}  // namespace
}  // namespace deadhold
