#include "calculators/energy_dialog.h"

#include "calculators/unit_constants.h"
#include "common/cformat.h"

namespace deadhold {
namespace {

constexpr double kHalfOverGravity = 0.015547263681592042;  // 1/64.32, gravity 32.16 ft/s^2

}  // namespace

EnergyDialog::EnergyDialog()
    : SmallCalculator({"Calculate Energy",
                       {"Bullet Weight (grns)", "Velocity"},
                       "Calculate",
                       {"Energy (ft/lbs)"}}) {}

double EnergyDialog::energy(double weight, double velocity) {
  return (weight * kPoundsPerGrain) * (velocity * velocity * kHalfOverGravity);
}

bool EnergyDialog::inputsInRange(const std::vector<double>& v) const {
  return 500 <= v[Velocity] && v[Velocity] < 4500 && 1 <= v[BulletWeight] && v[BulletWeight] <= 900;
}

std::vector<std::string> EnergyDialog::results(const std::vector<double>& v) const {
  return {cformat("%.0f", energy(v[BulletWeight], v[Velocity]))};
}

}  // namespace deadhold
