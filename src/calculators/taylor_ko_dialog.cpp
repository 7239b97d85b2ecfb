#include "calculators/taylor_ko_dialog.h"

#include "calculators/unit_constants.h"
#include "common/cformat.h"

namespace deadhold {

TaylorKoDialog::TaylorKoDialog()
    : SmallCalculator({"Calculate Taylor Knockout",
                       {"Bullet Weight (grns)", "Bullet Velocity (fps)", "Bullet Caliber (.000)"},
                       "&Compute",
                       {"Taylor Knockout Factor"}}) {}

double TaylorKoDialog::knockoutFactor(double weight, double velocity, double caliber) {
  return caliber * weight * velocity * kPoundsPerGrain;
}

bool TaylorKoDialog::inputsInRange(const std::vector<double>& v) const {
  return 500 <= v[BulletVelocity] && v[BulletVelocity] < 4500 && 1 <= v[BulletWeight] &&
         v[BulletWeight] <= 900 && 0.177 <= v[BulletCaliber] && v[BulletCaliber] <= 0.7;
}

std::vector<std::string> TaylorKoDialog::results(const std::vector<double>& v) const {
  return {cformat("%.2f", knockoutFactor(v[BulletWeight], v[BulletVelocity], v[BulletCaliber]))};
}

}  // namespace deadhold
