#include "calculators/recoil_dialog.h"

#include "calculators/unit_constants.h"
#include "common/cformat.h"

namespace deadhold {
namespace {

constexpr double kPowderGasVelocity = 4700;                       // ft/s
constexpr double kTwiceGravity = 64.4;                            // 2 x 32.2 ft/s^2
constexpr double kSquarePoundsPerGrain = 2.0408163265306127e-08;  // 1/7000^2

}  // namespace

RecoilDialog::RecoilDialog()
    : SmallCalculator({"Calculate Recoil",
                       {"Bullet Weight (grns)", "Bullet Velocity (fps)", "Powder Weight (grns)",
                        "Total Gun Weight (lbs)"},
                       "&Compute",
                       {"Recoil Energy (ft/lbs)", "Recoil Velocity (fps)"}}) {}

double RecoilDialog::momentum(double bulletWeight, double velocity, double powderWeight) {
  return bulletWeight * velocity + powderWeight * kPowderGasVelocity;
}

double RecoilDialog::recoilEnergy(double m, double gunWeight) {
  return (1 / (gunWeight * kTwiceGravity)) * m * m * kSquarePoundsPerGrain;
}

double RecoilDialog::recoilVelocity(double m, double gunWeight) {
  return m * kPoundsPerGrain / gunWeight;
}

bool RecoilDialog::inputsInRange(const std::vector<double>& v) const {
  return 500 <= v[BulletVelocity] && v[BulletVelocity] < 4500 && 1 <= v[BulletWeight] &&
         v[BulletWeight] <= 900 && 1 <= v[PowderWeight] && v[PowderWeight] <= 300 &&
         1 <= v[GunWeight] && v[GunWeight] <= 50;
}

std::vector<std::string> RecoilDialog::results(const std::vector<double>& v) const {
  const double m = momentum(v[BulletWeight], v[BulletVelocity], v[PowderWeight]);
  return {cformat("%.2f", recoilEnergy(m, v[GunWeight])),
          cformat("%.2f", recoilVelocity(m, v[GunWeight]))};
}

}  // namespace deadhold
