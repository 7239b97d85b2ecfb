#include "ballistics/input_validation.h"

#include <gtest/gtest.h>

#include <limits>

namespace deadhold {
namespace {

constexpr BallisticInputs kDefaultLoad{0.436, 130, 3016, 250, 1.5, 70, 500};
constexpr const char* kOpening =
    "The Following Values are invalid and must be\n"
    "corrected before the ballistics can be calculated:\n\n";

TEST(InputValidation, DefaultLoadIsValid) {
  EXPECT_TRUE(inputsAreValid(kDefaultLoad));
  EXPECT_EQ(invalidValueLines(kDefaultLoad), "");
  EXPECT_EQ(valueRangeErrorText(kDefaultLoad), "");
}

TEST(InputValidation, AllSevenInvalidGiveSevenLinesInTableOrder) {
  const BallisticInputs bad{0, 0, 0, 0, 0, -61, 20001};
  EXPECT_FALSE(inputsAreValid(bad));
  EXPECT_EQ(valueRangeErrorText(bad), std::string(kOpening) +
                                          "   Ballistic Coeff must be between 0.022 and 5.00\n"
                                          "   Bullet Weight must be between 1 and 900\n"
                                          "   Velocity must be between 500 and 4500\n"
                                          "   Target Distance must be between 50 and 1000\n"
                                          "   Scope Height must be between 0.001 and 6.000\n"
                                          "   Temperature must be between -60 and 120\n"
                                          "   Altitude must be between -100 and 20000\n");
}

TEST(InputValidation, OneInvalidValueGivesItsLineAlone) {
  BallisticInputs cold = kDefaultLoad;
  cold.temperature = 121;
  EXPECT_EQ(invalidValueLines(cold), "   Temperature must be between -60 and 120\n");
  EXPECT_EQ(valueRangeErrorText(cold),
            std::string(kOpening) + "   Temperature must be between -60 and 120\n");
}

struct Boundary {
  const char* name;
  double BallisticInputs::*field;
  double valid;
  double invalid;
};

// Both ends of every range: the bound itself is valid (except 4500 ft/s), one step past is not.
TEST(InputValidation, RangeBoundsAreInclusiveExceptTheTopVelocity) {
  const Boundary cases[] = {
      {"coefficient low", &BallisticInputs::ballisticCoeff, 0.022, 0.0219},
      {"coefficient high", &BallisticInputs::ballisticCoeff, 5, 5.0001},
      {"weight low", &BallisticInputs::bulletWeight, 1, 0.5},
      {"weight high", &BallisticInputs::bulletWeight, 900, 900.5},
      {"velocity low", &BallisticInputs::muzzleVelocity, 500, 499.9},
      {"velocity high", &BallisticInputs::muzzleVelocity, 4499, 4500},
      {"target low", &BallisticInputs::targetDistance, 50, 49},
      {"target high", &BallisticInputs::targetDistance, 1000, 1001},
      {"scope low", &BallisticInputs::scopeHeight, 0.001, 0.0009},
      {"scope high", &BallisticInputs::scopeHeight, 6, 6.001},
      {"temperature low", &BallisticInputs::temperature, -60, -61},
      {"temperature high", &BallisticInputs::temperature, 120, 121},
      {"altitude low", &BallisticInputs::altitude, -100, -101},
      {"altitude high", &BallisticInputs::altitude, 20000, 20001},
  };
  for (const Boundary& c : cases) {
    SCOPED_TRACE(c.name);
    BallisticInputs inputs = kDefaultLoad;
    inputs.*c.field = c.valid;
    EXPECT_TRUE(inputsAreValid(inputs));
    EXPECT_EQ(invalidValueLines(inputs), "");
    inputs.*c.field = c.invalid;
    EXPECT_FALSE(inputsAreValid(inputs));
    EXPECT_NE(invalidValueLines(inputs), "");
  }
}

TEST(InputValidation, NotANumberIsInvalidEverywhere) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const BallisticInputs allNaN{nan, nan, nan, nan, nan, nan, nan};
  EXPECT_FALSE(inputsAreValid(allNaN));
  EXPECT_EQ(valueRangeErrorText(allNaN),
            valueRangeErrorText(BallisticInputs{0, 0, 0, 0, 0, -61, 20001}));
  BallisticInputs oneNaN = kDefaultLoad;
  oneNaN.muzzleVelocity = nan;
  EXPECT_EQ(invalidValueLines(oneNaN), "   Velocity must be between 500 and 4500\n");
}

}  // namespace
}  // namespace deadhold
