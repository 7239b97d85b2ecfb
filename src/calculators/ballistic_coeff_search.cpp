#include "calculators/ballistic_coeff_search.h"

namespace deadhold {
namespace {

constexpr double kFirstCandidate = 0.1;
constexpr double kCoarseStep = 0.1;
constexpr double kFineStep = 0.01;
constexpr double kLargestCoefficient = 0.7;

}  // namespace

std::optional<double> searchBallisticCoeff(const VelocityProbe& velocityAt100, double velocity100) {
  double c = kFirstCandidate;
  bool fine = false;
  for (;;) {
    if (c <= 0) return std::nullopt;
    const double g = velocityAt100(c);
    if (!fine) {
      if (g > velocity100) {
        fine = true;
        c = c - kFineStep;
      } else {
        c = c + kCoarseStep;
      }
    } else {
      if (g < velocity100) break;
      c = c - kFineStep;
    }
    // 0.1 plus six coarse steps is exactly 0.7 in doubles, so the climb stops here untried.
    if (c >= kLargestCoefficient) break;
  }
  if (c > 0 && c <= kLargestCoefficient) return c;
  return std::nullopt;
}

VelocityProbe engineProbe(Engine& engine, double bulletWeight, double muzzleVelocity) {
  return [&engine, bulletWeight, muzzleVelocity](double candidate) {
    engine.computeTrajectory({candidate, bulletWeight, muzzleVelocity, kSearchTargetDistance,
                              kSearchScopeHeight, kSearchTemperature, kSearchAltitude});
    return engine.table()[100].velocity;
  };
}

}  // namespace deadhold
