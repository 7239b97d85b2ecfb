#include "ballistics/ballistics_page.h"

#include "common/cformat.h"
#include "common/numbers.h"

namespace deadhold {

namespace {

// A stored 0 means the value was never entered.
double orDefault(double value, double fallback) {
  return value == 0.0 ? fallback : value;
}

}  // namespace

void BallisticsPage::initialise() {
  inputs_.targetDistance = 250;
  inputs_.temperature = 70;
  inputs_.altitude = 500;
}

void BallisticsPage::setInputsFromLoad(double ballisticCoeff, double bulletWeight,
                                       double muzzleVelocity, double targetDistance,
                                       double scopeHeight, double temperature, double altitude,
                                       const std::string& label) {
  inputs_.ballisticCoeff = ballisticCoeff;
  inputs_.bulletWeight = bulletWeight;
  inputs_.muzzleVelocity = muzzleVelocity;
  inputs_.targetDistance = orDefault(targetDistance, 250);
  inputs_.scopeHeight = orDefault(scopeHeight, 1.5);
  inputs_.temperature = orDefault(temperature, 70);
  inputs_.altitude = orDefault(altitude, 500);

  fieldTexts_.ballisticCoeff = cformat("%.03f", inputs_.ballisticCoeff);
  fieldTexts_.bulletWeight = cformat("%i", cutToInt(inputs_.bulletWeight));
  fieldTexts_.muzzleVelocity = cformat("%i", cutToInt(inputs_.muzzleVelocity));
  fieldTexts_.targetDistance = cformat("%i", cutToInt(inputs_.targetDistance));
  fieldTexts_.scopeHeight = cformat("%.02f", inputs_.scopeHeight);
  fieldTexts_.temperature = cformat("%i", cutToInt(inputs_.temperature));
  fieldTexts_.altitude = cformat("%i", cutToInt(inputs_.altitude));
  ballisticsLabel_ = label.substr(0, kLabelCapacity);
  fieldTexts_.name = label;
}

}  // namespace deadhold
