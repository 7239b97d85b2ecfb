#pragma once

#include "calculators/small_calculator.h"

namespace deadhold {

// "Calculate Recoil": the gun's free recoil energy and velocity from bullet, powder charge
// (its gas taken at 4700 ft/s) and gun weight.
class RecoilDialog : public SmallCalculator {
 public:
  enum Field : std::size_t { BulletWeight, BulletVelocity, PowderWeight, GunWeight };
  enum Result : std::size_t { RecoilEnergy, RecoilVelocity };

  RecoilDialog();

  // Grain-feet per second of bullet and powder gas together.
  static double momentum(double bulletWeight, double velocity, double powderWeight);
  static double recoilEnergy(double momentum, double gunWeight);
  static double recoilVelocity(double momentum, double gunWeight);

 private:
  bool inputsInRange(const std::vector<double>& values) const override;
  std::vector<std::string> results(const std::vector<double>& values) const override;
};

}  // namespace deadhold
