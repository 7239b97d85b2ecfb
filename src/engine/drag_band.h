#pragma once

#include <array>

namespace deadhold {

// One velocity band of the G1 model: quadratic fits of the space function S(v) (feet) and the
// time function T(v) (seconds) of the reference projectile, expanded about centreVelocity.
struct DragBand {
  double velocityLow;     // ft/s, inclusive
  double velocityHigh;    // ft/s, exclusive
  double centreVelocity;  // ft/s
  double spaceLow;        // feet, exclusive
  double spaceHigh;       // feet, inclusive
  double spaceA, spaceB, spaceC;
  double timeA, timeB, timeC;

  // An edge belongs to the slower band; NaN lies in no band.
  bool holdsSpace(double space) const { return space <= spaceHigh && space > spaceLow; }
};

inline constexpr int kDragBandCount = 22;

// The 22 bands, ordered by velocity. The space bounds are rounded values of their own, not the
// fits evaluated at the velocity edges, so the two selections are not exact inverses.
extern const std::array<DragBand, kDragBandCount> kDragBands;

// The band in force before any selection: all coefficients zero, and no value lies inside it.
inline constexpr DragBand kNoDragBand{};

}  // namespace deadhold
