#pragma once

#include "calculators/small_calculator.h"

namespace deadhold {

// "Calculate Taylor Knockout": bullet weight in pounds times velocity times caliber.
class TaylorKoDialog : public SmallCalculator {
 public:
  enum Field : std::size_t { BulletWeight, BulletVelocity, BulletCaliber };
  enum Result : std::size_t { KnockoutFactor };

  TaylorKoDialog();

  static double knockoutFactor(double weight, double velocity, double caliber);

 private:
  bool inputsInRange(const std::vector<double>& values) const override;
  std::vector<std::string> results(const std::vector<double>& values) const override;
};

}  // namespace deadhold
