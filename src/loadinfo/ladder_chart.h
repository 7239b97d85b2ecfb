#pragma once

#include <optional>
#include <string>
#include <vector>

#include "loads/load_record.h"
#include "loads/shot_statistics.h"

namespace deadhold {

// One load of a ladder: its charge, the velocities of its shot string and its group.
struct LadderPoint {
  std::string loadName;       // as stored
  double powderWeight = 0.0;  // grains
  VelocityStatistics velocity;
  std::optional<double> groupSize;  // inches, from two placed holes on
};

// Load development compares loads that differ in their powder charge only: the loads of one
// caliber that share bullet (maker, type, weight) and powder (maker, type), by charge.
struct LadderChart {
  std::string title;                // ".308 Win: Sierra MatchKing 168 grn, Hodgdon Varget"
  std::vector<LadderPoint> points;  // with velocities, by charge (equal charges in book order)
  // Names of the loads left out: no shot with a velocity, no powder charge.
  std::vector<std::string> withoutVelocities;
  std::vector<std::string> withoutCharge;
  int otherCombinations = 0;  // loads of the caliber with another bullet or powder
};

// Whether two loads share bullet and powder: texts compared with A-Z folded, weights exactly.
bool sameCombination(const LoadRecord& a, const LoadRecord& b);

// The ladder of `pattern`'s combination among `loads` (the loads of one caliber).
LadderChart ladderChart(const std::vector<const LoadRecord*>& loads, const LoadRecord& pattern);

// The combination most of `loads` share (the first such load), or null when there are none.
const LoadRecord* commonestCombination(const std::vector<const LoadRecord*>& loads);

// How the velocity bars span: the extreme spread, or one standard deviation either side.
enum class LadderBars { extremeSpread, standardDeviation };

}  // namespace deadhold
