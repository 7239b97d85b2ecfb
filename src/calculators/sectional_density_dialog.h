#pragma once

#include "calculators/small_calculator.h"

namespace deadhold {

// "Calculate Sectional Density": pounds of bullet per square inch of its diameter.
class SectionalDensityDialog : public SmallCalculator {
 public:
  enum Field : std::size_t { BulletWeight, BulletDiameter };
  enum Result : std::size_t { SectionalDensity };

  SectionalDensityDialog();

  static double sectionalDensity(double weight, double diameter);

 private:
  bool inputsInRange(const std::vector<double>& values) const override;
  std::vector<std::string> results(const std::vector<double>& values) const override;
};

}  // namespace deadhold
