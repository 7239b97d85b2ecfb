#include "ballistics/input_validation.h"

#include <algorithm>
#include <array>

#include "common/cformat.h"

namespace deadhold {
namespace {

struct RangeTest {
  double BallisticInputs::*field;
  double lowest;
  double highest;
  bool highestIncluded;
  std::string invalidLine;

  // Written so that NaN fails.
  bool passes(const BallisticInputs& inputs) const {
    const double value = inputs.*field;
    return value >= lowest && (highestIncluded ? value <= highest : value < highest);
  }
};

// In the order the message lists them.
const std::array<RangeTest, 7>& rangeTests() {
  using In = BallisticInputs;
  static const std::array<RangeTest, 7> tests{{
      {&In::ballisticCoeff, 0.022, 5, true,
       cformat("   Ballistic Coeff must be between %.03f and %.02f\n", 0.022, 5.0)},
      {&In::bulletWeight, 1, 900, true,
       cformat("   Bullet Weight must be between %d and %d\n", 1, 900)},
      {&In::muzzleVelocity, 500, 4500, false,
       cformat("   Velocity must be between %d and %d\n", 500, 4500)},
      {&In::targetDistance, 50, 1000, true,
       cformat("   Target Distance must be between %d and %d\n", 50, 1000)},
      {&In::scopeHeight, 0.001, 6, true,
       cformat("   Scope Height must be between %0.3f and %.03f\n", 0.001, 6.0)},
      {&In::temperature, -60, 120, true,
       cformat("   Temperature must be between %d and %d\n", -60, 120)},
      {&In::altitude, -100, 20000, true,
       cformat("   Altitude must be between %d and %d\n", -100, 20000)},
  }};
  return tests;
}

}  // namespace

bool inputsAreValid(const BallisticInputs& inputs) {
  const auto& tests = rangeTests();
  return std::all_of(tests.begin(), tests.end(),
                     [&](const RangeTest& test) { return test.passes(inputs); });
}

std::string invalidValueLines(const BallisticInputs& inputs) {
  std::string lines;
  for (const RangeTest& test : rangeTests())
    if (!test.passes(inputs)) lines += test.invalidLine;
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
