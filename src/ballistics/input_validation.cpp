#include "ballistics/input_validation.h"

#include "common/cformat.h"

namespace deadhold {
namespace {

// Written so that NaN fails every test.
bool within(double value, double lowest, double highest) {
  return value >= lowest && value <= highest;
}
bool velocityValid(double velocity) { return velocity >= 500 && velocity < 4500; }

bool coeffValid(const BallisticInputs& in) { return within(in.ballisticCoeff, 0.022, 5); }
bool weightValid(const BallisticInputs& in) { return within(in.bulletWeight, 1, 900); }
bool targetValid(const BallisticInputs& in) { return within(in.targetDistance, 50, 1000); }
bool scopeValid(const BallisticInputs& in) { return within(in.scopeHeight, 0.001, 6); }
bool temperatureValid(const BallisticInputs& in) { return within(in.temperature, -60, 120); }
bool altitudeValid(const BallisticInputs& in) { return within(in.altitude, -100, 20000); }

}  // namespace

bool inputsAreValid(const BallisticInputs& inputs) {
  return coeffValid(inputs) && weightValid(inputs) && velocityValid(inputs.muzzleVelocity) &&
         targetValid(inputs) && scopeValid(inputs) && temperatureValid(inputs) &&
         altitudeValid(inputs);
}

std::string invalidValueLines(const BallisticInputs& inputs) {
  std::string lines;
  if (!coeffValid(inputs))
    lines += cformat("   Ballistic Coeff must be between %.03f and %.02f\n", 0.022, 5.0);
  if (!weightValid(inputs)) lines += cformat("   Bullet Weight must be between %d and %d\n", 1, 900);
  if (!velocityValid(inputs.muzzleVelocity))
    lines += cformat("   Velocity must be between %d and %d\n", 500, 4500);
  if (!targetValid(inputs))
    lines += cformat("   Target Distance must be between %d and %d\n", 50, 1000);
  if (!scopeValid(inputs))
    lines += cformat("   Scope Height must be between %0.3f and %.03f\n", 0.001, 6.0);
  if (!temperatureValid(inputs))
    lines += cformat("   Temperature must be between %d and %d\n", -60, 120);
  if (!altitudeValid(inputs))
    lines += cformat("   Altitude must be between %d and %d\n", -100, 20000);
  return lines;
}

std::string valueRangeErrorText(const BallisticInputs& inputs) {
  const std::string lines = invalidValueLines(inputs);
  if (lines.empty()) return lines;
  return "The Following Values are invalid and must be\n"
         "corrected before the ballistics can be calculated:\n\n" +
         lines;
}

}  // namespace deadhold
