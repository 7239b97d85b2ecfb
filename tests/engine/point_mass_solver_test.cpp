#include "engine/point_mass_solver.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "engine/spin_drift.h"
#include "quiet_engine.h"

namespace deadhold {
namespace {

constexpr double kG = 32.174;

// A .308 175-grain match bullet on a G7 coefficient, in a 10 mph wind from 3 o'clock.
PointMassInputs matchLoad() {
  PointMassInputs in;
  in.dragFunction = DragFunction::G7;
  in.ballisticCoeff = 0.243;
  in.bulletWeight = 175;
  in.muzzleVelocity = 2600;
  in.windSpeed = 10;
  in.windAngle = 90;
  return in;
}

// Without drag the path is a parabola: the bore angle of the zero solves
// -h + Z tan(a) - g Z^2 / (2 v^2 cos^2 a) = 0, and down a slope of angle L the bullet is at
// x = v cos(a) t - g sin(L) t^2 / 2, y = -h + v sin(a) t - g cos(L) t^2 / 2.
TEST(PointMassSolver, WithoutDragFollowsTheVacuumParabolaAtAnyLookAngle) {
  const DragPoint none[] = {{0, 0}, {5, 0}};
  const DragTable noDrag(none);
  for (double look : {0.0, 30.0, -45.0}) {
    PointMassInputs in;
    in.lookAngle = look;
    in.windSpeed = 20;  // moves no bullet that the air does not hold back
    const double v = in.muzzleVelocity, h = in.sightHeight / 12, z = in.zeroRange * 3;
    const double a = kG * z * z / (2 * v * v);
    const double angle = std::atan((z - std::sqrt(z * z - 4 * a * (a + h))) / (2 * a));
    PointMassSolver solver;
    const PointMassTable& table = solver.solve(in, noDrag, 100, 1000);
    ASSERT_TRUE(table.zeroFound);
    EXPECT_NEAR(table.boreAngle, angle, 1e-8);
    ASSERT_EQ(table.rows.size(), 11u);
    const double gx = kG * std::sin(look * std::numbers::pi / 180);
    const double gy = kG * std::cos(look * std::numbers::pi / 180);
    for (const PointMassRow& row : table.rows) {
      const double x = row.range * 3, vx = v * std::cos(angle), vy = v * std::sin(angle);
      const double t = gx == 0 ? x / vx : (vx - std::sqrt(vx * vx - 2 * gx * x)) / gx;
      EXPECT_NEAR(row.time, t, 1e-9) << look << " " << row.range;
      EXPECT_NEAR(row.path, 12 * (-h + vy * t - gy * t * t / 2), 1e-4) << look << " " << row.range;
      EXPECT_NEAR(row.velocity, std::hypot(vx - gx * t, vy - gy * t), 1e-6) << look;
      EXPECT_NEAR(row.windage, 0, 1e-9);
    }
  }
}

// A coefficient so large that the air barely matters comes to the same parabola.
TEST(PointMassSolver, ApproachesTheVacuumParabolaAsTheCoefficientGrows) {
  PointMassInputs in;
  in.ballisticCoeff = 1e6;
  PointMassSolver solver;
  const PointMassRow far = solver.solve(in, 1000, 1000).rows.back();
  const double v = in.muzzleVelocity, t = 3000 / (v * std::cos(solver.table().boreAngle));
  EXPECT_NEAR(far.time, t, 1e-5);
  EXPECT_NEAR(far.path, 12 * (-0.125 + 3000 * std::tan(solver.table().boreAngle) - kG * t * t / 2),
              0.05);
}

TEST(PointMassSolver, StepsFineEnoughThatAHundredTimesFinerChangesLessThanAFiftiethInch) {
  PointMassInputs fast;
  PointMassInputs slow;  // through the sound barrier on the way
  slow.ballisticCoeff = 0.2;
  slow.bulletWeight = 180;
  slow.muzzleVelocity = 1500;
  PointMassInputs uphill = matchLoad();
  uphill.lookAngle = 20;
  uphill.spin = {10, 1.24, 0.308};
  for (const PointMassInputs& in : {fast, slow, matchLoad(), uphill}) {
    PointMassSolver normal;
    PointMassSolver fine(PointMassSolver::kDefaultStepTime / 100);
    const PointMassRow a = normal.solve(in, 1000, 1000).rows.back();
    const PointMassRow b = fine.solve(in, 1000, 1000).rows.back();
    EXPECT_NEAR(a.path, b.path, 0.02) << in.muzzleVelocity;
    EXPECT_NEAR(a.windage, b.windage, 0.02) << in.muzzleVelocity;
    EXPECT_NEAR(a.time, b.time, 1e-5) << in.muzzleVelocity;
  }
}

// The classical lag rule: a full-value crosswind moves the bullet by the wind's speed times the
// time it lost to the air, t - x / v0.
TEST(PointMassSolver, WindDriftIsTheWindTimesTheLagBehindTheVacuumTime) {
  for (PointMassInputs in : {PointMassInputs{}, matchLoad()}) {
    in.windSpeed = 15;
    in.windAngle = 270;  // from the left: drifts right
    PointMassSolver solver;
    for (const PointMassRow& row : solver.solve(in, 250, 1000).rows) {
      const double lag = row.time - row.range * 3 / in.muzzleVelocity;
      EXPECT_NEAR(row.windage, 15 * 5280.0 / 3600 * 12 * lag, 0.003 * row.windage + 1e-9);
    }
  }
}

// The band model of the Ballistics Calculator and this solver agree on the default load to 1 %
// in path and time of flight at 1000 yards; the bands run a little less drag (1.5 % more
// velocity left at 1000 yards).
TEST(PointMassSolver, AgreesWithTheLegacyEngineOnTheDefaultLoad) {
  QuietEngine legacy;
  legacy.computeTrajectory({0.436, 130, 3016, 100, 1.5, 59, 0});
  PointMassSolver solver;
  const PointMassTable& table = solver.solve(PointMassInputs{}, 500, 1000);
  for (const PointMassRow& row : table.rows) {
    if (row.range == 0) continue;
    const TrajectoryPoint& old = legacy.table()[static_cast<int>(row.range)];
    EXPECT_NEAR(row.path / old.elevation, 1, 0.01) << row.range;
    EXPECT_NEAR(row.time / old.time, 1, 0.01) << row.range;
    EXPECT_NEAR(row.velocity / old.velocity, 1, 0.02) << row.range;
  }
}

TEST(PointMassSolver, MeetsTheLineOfSightAtTheZeroRangeLevelWhateverTheLookAngle) {
  for (DragFunction function : {DragFunction::G1, DragFunction::G7}) {
    for (double zero : {25.0, 100.0, 237.0, 600.0, 1000.0}) {
      PointMassInputs in;
      in.dragFunction = function;
      in.zeroRange = zero;
      PointMassSolver solver;
      const PointMassTable& table = solver.solve(in, zero, zero);
      ASSERT_TRUE(table.zeroFound) << zero;
      EXPECT_EQ(table.rows.front().path, -1.5);
      EXPECT_NEAR(table.rows.back().path, 0, 1e-4) << zero;
      const double bore = table.boreAngle;
      in.lookAngle = -30;
      EXPECT_EQ(solver.solve(in, zero, zero).boreAngle, bore);
      EXPECT_GT(solver.table().rows.back().path, 0);  // down hill the bullet strikes high
    }
  }
}

TEST(PointMassSolver, ListsTheLastRangeAndStopsWhereTheBulletStalls) {
  PointMassSolver solver;
  const PointMassTable& table = solver.solve(PointMassInputs{}, 100, 1050);
  ASSERT_EQ(table.rows.size(), 12u);
  EXPECT_EQ(table.rows[10].range, 1000);
  EXPECT_EQ(table.rows[11].range, 1050);
  EXPECT_NEAR(table.rows[0].energy, 130 * 3016.0 * 3016 / 450436, 0.01);  // 2625.2 ft-lbf
  EXPECT_TRUE(table.complete);

  PointMassInputs lob;
  lob.ballisticCoeff = 0.05;
  lob.muzzleVelocity = 700;
  lob.zeroRange = 50;
  lob.lookAngle = 60;
  solver.solve(lob, 10, 2000);
  EXPECT_TRUE(solver.table().zeroFound);
  EXPECT_FALSE(solver.table().complete);
  EXPECT_LT(solver.table().rows.back().range, 2000);
  EXPECT_GT(solver.table().rows.back().range, 50);

  lob.zeroRange = 2000;
  EXPECT_FALSE(solver.solve(lob, 10, 2000).zeroFound);
  EXPECT_TRUE(solver.table().rows.empty());
}

// Miller's rule for a .308 175-grain bullet 1.24 in long from a 1-in-10 twist at 2600 ft/s:
// Sg = 30 * 175 / (32.47^2 * 0.308^3 * 4.026 * 17.21) * (2600 / 2800)^(1/3) = 2.400, and Litz's
// drift after 1.5 s is 1.25 * (2.400 + 1.2) * 1.5^1.83 = 9.45 in.
TEST(PointMassSolver, SpinDriftByMillerAndLitz) {
  const SpinInputs spin{10, 1.24, 0.308};
  EXPECT_NEAR(millerStability(spin, 175, 2600, 1), 2.400, 5e-4);
  EXPECT_NEAR(millerStability(spin, 175, 2600, 0.8), 3.000, 5e-4);
  EXPECT_NEAR(litzSpinDrift(2.4, 1.5), 9.451, 5e-4);
  EXPECT_EQ(litzSpinDrift(2.4, 0), 0);

  PointMassInputs in = matchLoad();
  PointMassSolver solver;
  const PointMassRow still = solver.solve(in, 1000, 1000).rows.back();
  in.spin = spin;
  const PointMassRow spinning = solver.solve(in, 1000, 1000).rows.back();
  EXPECT_NEAR(solver.table().stability, 2.400, 5e-4);
  EXPECT_NEAR(spinning.windage - still.windage, litzSpinDrift(solver.table().stability, still.time),
              1e-9);
  EXPECT_EQ(spinning.path, still.path);
}

}  // namespace
}  // namespace deadhold
