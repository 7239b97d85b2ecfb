#pragma once

#include <array>

namespace deadhold {

// The seven values of one computation, in argument order.
struct BallisticInputs {
  double ballisticCoeff = 0;
  double bulletWeight = 0;    // grains
  double muzzleVelocity = 0;  // ft/s
  double targetDistance = 0;  // yards: the zero range
  double scopeHeight = 0;     // inches
  double temperature = 0;     // degrees F
  double altitude = 0;        // feet
  friend bool operator==(const BallisticInputs&, const BallisticInputs&) = default;
};

inline constexpr int kLeadCount = 12;  // targets crossing at 5, 10, ... 60 mph

struct TrajectoryPoint {
  double range;           // yards
  double elevation;       // inches above (+) or below (-) the line of sight
  double velocity;        // ft/s
  double energy;          // ft-lbf
  double time;            // seconds
  double drop;            // inches below the bore line
  double maxY;            // inches: mid-range height when sighted in at this range
  double windDeflection;  // inches in a full-value 10 mph crosswind
  std::array<double, kLeadCount> lead;  // feet
  friend bool operator==(const TrajectoryPoint&, const TrajectoryPoint&) = default;
};
static_assert(sizeof(TrajectoryPoint) == 20 * sizeof(double));

inline constexpr int kTableRows = 1001;  // row i is i yards, 0 to 1000
using TrajectoryTable = std::array<TrajectoryPoint, kTableRows>;

// What the last computation was asked, kept next to the table but not restored with it.
struct LastInputs {
  double muzzleVelocity = 0;
  double bulletWeight = 0;
  double ballisticCoeff = 0;
};

}  // namespace deadhold
