#include "engine/kill_zone_search.h"

namespace deadhold {
namespace {

constexpr int kLastRowOfHighestPoint = 800;
constexpr double kHighestPointFloor = -50;
constexpr double kCoarseStep = 20;
constexpr double kFineStep = 1;

// M: the highest point of the path over the line of sight within 800 yards.
double highestPoint(const TrajectoryTable& table) {
  double highest = kHighestPointFloor;
  for (int row = 0; row <= kLastRowOfHighestPoint; ++row)
    if (table[row].elevation > highest) highest = table[row].elevation;
  return highest;
}

// R: the first yard at which the path lies halfHeight or more below the line of sight. Rows left
// zero after an early stop are not part of the path and end the scan.
int firstYardBelow(const TrajectoryTable& table, double halfHeight) {
  if (table[0].elevation <= -halfHeight) return 0;
  int lastYard = 0;
  for (int row = 1; row < kTableRows && table[row].range == row; ++row) {
    if (table[row].elevation <= -halfHeight) return row;
    lastYard = row;
  }
  return lastYard;
}

}  // namespace

KillZoneResult searchKillZoneRange(Engine& engine, const BallisticInputs& inputs, double height) {
  BallisticInputs trial = inputs;
  double& zero = trial.targetDistance;
  if (!(zero >= kKillZoneNearestStart))
    zero = kKillZoneNearestStart;
  else if (zero > kKillZoneHighestZero)
    zero = kKillZoneHighestZero;

  const double halfHeight = height * 0.5;
  double highest = kHighestPointFloor;
  const auto compute = [&] {
    engine.computeTrajectory(trial);
    highest = highestPoint(engine.table());
  };
  // Once the trial zero stands at an end of its span, no step beyond it is taken.
  const auto mayDescend = [&] { return zero > kKillZoneLowestZero; };
  const auto mayAscend = [&] { return zero < kKillZoneHighestZero; };

  compute();
  while (highest > halfHeight && mayDescend()) {
    zero = zero - kCoarseStep;
    compute();
  }
  zero = zero + kCoarseStep;
  compute();
  while (highest > halfHeight && mayDescend()) {
    zero = zero - kFineStep;
    compute();
  }
  while (highest < halfHeight && mayAscend()) {
    zero = zero + kCoarseStep;
    compute();
  }
  zero = zero - kCoarseStep;
  compute();
  while (highest < halfHeight && mayAscend()) {
    zero = zero + kFineStep;
    compute();
  }
  return {zero, firstYardBelow(engine.table(), halfHeight)};
}

}  // namespace deadhold
