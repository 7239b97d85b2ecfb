#pragma once

namespace deadhold {

// A bullet's spin, for its drift: a right-hand twist drifts it to the right.
struct SpinInputs {
  double twist = 0;     // inches per turn; 0 leaves spin drift out
  double length = 0;    // bullet length, inches
  double diameter = 0;  // bullet diameter, inches
  friend bool operator==(const SpinInputs&, const SpinInputs&) = default;
};

// The gyroscopic stability factor by Miller's twist rule, 30 m / (t^2 d^3 l (1 + l^2)) with the
// weight m in grains, the diameter d in inches and twist t and length l in calibers, corrected
// for the muzzle velocity by (v / 2800)^(1/3) and for the air by the inverse density ratio
// (Miller's temperature and pressure correction, which moist air extends).
double millerStability(const SpinInputs& spin, double bulletWeight, double muzzleVelocity,
                       double densityRatio);

// Spin drift in inches after a time of flight in seconds, by Litz's approximation
// 1.25 (Sg + 1.2) t^1.83 for a bullet of stability factor Sg.
double litzSpinDrift(double stability, double time);

}  // namespace deadhold
