#pragma once

#include <functional>
#include <optional>

#include "engine/engine.h"

namespace deadhold {

// The fixed conditions of the coefficient search: zeroed just past 100 yards so that row 100 is
// always computed, standard scope height, temperature and altitude.
inline constexpr double kSearchTargetDistance = 100.1;
inline constexpr double kSearchScopeHeight = 1.5;
inline constexpr double kSearchTemperature = 70.0;
inline constexpr double kSearchAltitude = 500.0;

// The computed 100-yard velocity for a candidate coefficient.
using VelocityProbe = std::function<double(double candidate)>;

// Finds the G1 coefficient whose 100-yard velocity first drops below `velocity100`: coarse steps
// of 0.1 from 0.1 until a candidate keeps too much velocity, then steps of 0.01 down from there.
// `velocityAt100` gives the computed 100-yard velocity for a candidate. The answer lies just
// under the true coefficient; a climb past 0.6 ends at 0.7 without trying it. Nothing when no
// positive candidate fits.
std::optional<double> searchBallisticCoeff(const VelocityProbe& velocityAt100, double velocity100);

// The engine as the search runs it: every candidate rewrites its table and lastInputs.
VelocityProbe engineProbe(Engine& engine, double bulletWeight, double muzzleVelocity);

}  // namespace deadhold
