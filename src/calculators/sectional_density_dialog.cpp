#include "calculators/sectional_density_dialog.h"

#include "calculators/unit_constants.h"
#include "common/cformat.h"

namespace deadhold {

SectionalDensityDialog::SectionalDensityDialog()
    : SmallCalculator({"Calculate Sectional Density",
                       {"Bullet Weight (grns)", "Bullet Diameter (.000)"},
                       "&Calculate",
                       {"Sectional Density"}}) {}

double SectionalDensityDialog::sectionalDensity(double weight, double diameter) {
  return (weight * kPoundsPerGrain) / (diameter * diameter);
}

// No lower bound on the weight: an empty weight computes 0.
bool SectionalDensityDialog::inputsInRange(const std::vector<double>& v) const {
  return v[BulletWeight] <= 900 && 0.1 <= v[BulletDiameter] && v[BulletDiameter] <= 1;
}

std::vector<std::string> SectionalDensityDialog::results(const std::vector<double>& v) const {
  return {cformat("%.5f", sectionalDensity(v[BulletWeight], v[BulletDiameter]))};
}

}  // namespace deadhold
