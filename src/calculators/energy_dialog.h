#pragma once

#include "calculators/small_calculator.h"

namespace deadhold {

// "Calculate Energy": a bullet's kinetic energy in foot-pounds.
class EnergyDialog : public SmallCalculator {
 public:
  enum Field : std::size_t { BulletWeight, Velocity };
  enum Result : std::size_t { Energy };

  EnergyDialog();

  static double energy(double weight, double velocity);

 private:
  bool inputsInRange(const std::vector<double>& values) const override;
  std::vector<std::string> results(const std::vector<double>& values) const override;
};

}  // namespace deadhold
