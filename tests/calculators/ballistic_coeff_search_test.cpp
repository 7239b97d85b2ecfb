#include "calculators/ballistic_coeff_search.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "common/cformat.h"

namespace deadhold {
namespace {

// A bullet whose 100-yard velocity is 1000 ft/s per unit of coefficient, recording every try.
struct LinearBullet {
  std::vector<double> tried;
  VelocityProbe probe() {
    return [this](double c) {
      tried.push_back(c);
      return 1000 * c;
    };
  }
};

TEST(BallisticCoeffSearch, SixCoarseStepsReachSevenTenthsExactly) {
  double c = 0.1;
  for (int step = 0; step < 6; ++step) c = c + 0.1;
  EXPECT_EQ(c, 0.7);
}

TEST(BallisticCoeffSearch, CoarseThenFineLandsJustUnderTheTrueValue) {
  LinearBullet bullet;
  const auto found = searchBallisticCoeff(bullet.probe(), 436);
  ASSERT_TRUE(found.has_value());
  EXPECT_EQ(cformat("%.3f", *found), "0.430");
  // 0.1 .. 0.5 climbing, then 0.49 down to 0.43, the first to fall short.
  ASSERT_EQ(bullet.tried.size(), 12u);
  EXPECT_EQ(cformat("%.3f", bullet.tried[4]), "0.500");
  EXPECT_EQ(cformat("%.3f", bullet.tried[5]), "0.490");
  EXPECT_EQ(bullet.tried.back(), *found);
}

TEST(BallisticCoeffSearch, EqualVelocityDoesNotStopTheFinePhase) {
  std::vector<double> tried;
  // Exactly the measured velocity at 0.45 (in this probe's own arithmetic) keeps descending.
  const auto found = searchBallisticCoeff(
      [&](double c) {
        tried.push_back(c);
        return c >= 0.445 && c < 0.455 ? 450.0 : 1000 * c;
      },
      450);
  ASSERT_TRUE(found.has_value());
  EXPECT_EQ(cformat("%.3f", *found), "0.440");
}

TEST(BallisticCoeffSearch, NoOvershootClimbsToSevenTenthsWithoutTryingIt) {
  std::vector<double> tried;
  const auto found = searchBallisticCoeff(
      [&](double c) {
        tried.push_back(c);
        return 2000.0;
      },
      2000);
  ASSERT_TRUE(found.has_value());
  EXPECT_EQ(*found, 0.7);
  EXPECT_EQ(cformat("%.3f", *found), "0.700");
  ASSERT_EQ(tried.size(), 6u);
  EXPECT_EQ(cformat("%.3f", tried.back()), "0.600");
}

TEST(BallisticCoeffSearch, FirstCandidateTooGoodDescendsTenPositiveSteps) {
  std::vector<double> tried;
  const auto found = searchBallisticCoeff(
      [&](double c) {
        tried.push_back(c);
        return 3000.0;
      },
      100);
  EXPECT_FALSE(found.has_value());
  ASSERT_EQ(tried.size(), 11u);
  EXPECT_EQ(tried[0], 0.1);
  for (std::size_t i = 1; i < tried.size(); ++i) EXPECT_GT(tried[i], 0) << i;
  // The tenth fine step is a rounding remainder, not zero.
  EXPECT_LT(tried.back(), 1e-15);
}

TEST(BallisticCoeffSearch, LastPositiveStepCanStillAnswer) {
  int calls = 0;
  const auto found =
      searchBallisticCoeff([&](double) { return ++calls == 11 ? 50.0 : 3000.0; }, 100);
  ASSERT_TRUE(found.has_value());
  EXPECT_GT(*found, 0);
  EXPECT_EQ(cformat("%.3f", *found), "0.000");
}

TEST(BallisticCoeffSearch, DefaultLoadOnTheEngine) {
  Engine engine;
  std::ostringstream diagnostics;
  engine.setDiagnosticStream(diagnostics);
  engine.computeTrajectory({0.436, 130, 3016, kSearchTargetDistance, kSearchScopeHeight,
                            kSearchTemperature, kSearchAltitude});
  const double measured = engine.table()[100].velocity;

  const auto found = searchBallisticCoeff(engineProbe(engine, 130, 3016), measured);
  ASSERT_TRUE(found.has_value());
  EXPECT_LT(*found, 0.436);
  EXPECT_GT(*found, 0.436 - 0.01);
  EXPECT_EQ(cformat("%.3f", *found), "0.430");
  // The engine keeps the last step's inputs.
  EXPECT_EQ(engine.lastInputs().ballisticCoeff, *found);
  EXPECT_EQ(engine.lastInputs().bulletWeight, 130);
  EXPECT_EQ(engine.lastInputs().muzzleVelocity, 3016);
  EXPECT_LT(engine.table()[100].velocity, measured);
  EXPECT_EQ(diagnostics.str(), "");
}

}  // namespace
}  // namespace deadhold
