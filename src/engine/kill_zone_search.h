#pragma once

#include "engine/engine.h"

namespace deadhold {

// Where to sight in for a kill zone of a given height, and how far the shooter can then hold
// dead on its centre.
struct KillZoneResult {
  double zeroDistance = 0;  // Z, yards
  int maxRange = 0;         // R, whole yards
};

inline constexpr double kKillZoneLowestZero = 0;
inline constexpr double kKillZoneHighestZero = 1000;
inline constexpr double kKillZoneNearestStart = 50;

// The search sights in at trial distances (starting from inputs.targetDistance) until the highest
// point of the path over rows 0 to 800 just reaches height / 2, then finds the first yard where
// the path has fallen height / 2 below the line of sight. It leaves the engine's table computed
// for the Z it found; a caller that shows the table recomputes with its own inputs afterwards.
//
// Bounds, so that every height ends with a finite Z:
// - the trial Z steps no further than kKillZoneLowestZero..kKillZoneHighestZero: a sight line
//   aimed at or below the bore never rises, so descending past 0 changes nothing, and a zero
//   beyond the table's last yard could be neither shown nor checked. A height the path cannot
//   reach therefore ends at 1000 yards.
// - the search starts from a target distance the Ballistics Calculator accepts: a start below
//   kKillZoneNearestStart (or not a number) begins there, a start beyond 1000 yards at 1000.
// - when no row up to the end of the computed trajectory lies height / 2 below the line of
//   sight, R is the range of its last row (1000, or the row where a slow bullet left the drag
//   model): the farthest yard the table vouches for.
KillZoneResult searchKillZoneRange(Engine& engine, const BallisticInputs& inputs, double height);

}  // namespace deadhold
