#include "engine/spin_drift.h"

#include <cmath>

namespace deadhold {

double millerStability(const SpinInputs& spin, double bulletWeight, double muzzleVelocity,
                       double densityRatio) {
  const double d = spin.diameter;
  const double twist = spin.twist / d;
  const double length = spin.length / d;
  const double sg =
      30 * bulletWeight / (twist * twist * d * d * d * length * (1 + length * length));
  return sg * std::cbrt(muzzleVelocity / 2800) / densityRatio;
}

double litzSpinDrift(double stability, double time) {
  return time > 0 ? 1.25 * (stability + 1.2) * std::pow(time, 1.83) : 0;
}

}  // namespace deadhold
