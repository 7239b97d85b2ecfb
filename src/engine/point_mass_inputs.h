#pragma once

#include <vector>

#include "engine/atmosphere.h"
#include "engine/drag_table.h"
#include "engine/spin_drift.h"

namespace deadhold {

// One point-mass computation. The defaults are the program's default load (.270 Winchester,
// 130 grains) zeroed at 100 yards in the reference air, level and without wind.
struct PointMassInputs {
  DragFunction dragFunction = DragFunction::G1;
  double ballisticCoeff = 0.436;  // referenced to the reference air of atmosphere.h
  double bulletWeight = 130;      // grains
  double muzzleVelocity = 3016;   // ft/s
  double zeroRange = 100;         // yards
  double sightHeight = 1.5;       // inches, line of sight above the bore
  Atmosphere air;
  double windSpeed = 0;  // mph
  double windAngle = 0;  // degrees the wind comes from: 0 behind the shooter, 90 from the right
  double lookAngle = 0;  // degrees, up hill positive
  SpinInputs spin;
  friend bool operator==(const PointMassInputs&, const PointMassInputs&) = default;
};

struct PointMassRow {
  double range;     // yards along the line of sight
  double velocity;  // ft/s
  double energy;    // ft-lbf
  double time;      // seconds
  double path;      // inches above (+) or below (-) the line of sight
  double windage;   // inches right (+) or left (-) of it: wind drift and spin drift
};

struct PointMassTable {
  std::vector<PointMassRow> rows;
  // The bore angle that puts the path on the line of sight at the zero range was found. Without
  // it there are no rows: the bullet cannot reach the zero range, or the path never meets the
  // line of sight there.
  bool zeroFound = false;
  double boreAngle = 0;  // radians, bore above the line of sight
  double stability = 0;  // Miller's stability factor; 0 without spin drift
  // The bullet went on down range to the last row asked for. When it stalls first (slow and
  // steeply up or down hill), the rows end where it got to.
  bool complete = false;
};

// Angles as a shooter dials them: one minute of angle is 1.047 inches at 100 yards, one
// milliradian 3.6 inches. At the muzzle both are 0.
inline double inchesToMoa(double inches, double range) {
  return range > 0 ? inches / (range * 0.01047) : 0;
}
inline double inchesToMil(double inches, double range) {
  return range > 0 ? inches / (range * 0.036) : 0;
}

}  // namespace deadhold
