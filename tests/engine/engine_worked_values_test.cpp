#include <gtest/gtest.h>

#include "common/cformat.h"
#include "engine/engine.h"

namespace deadhold {
namespace {

constexpr BallisticInputs kDefaultLoad{0.436, 130, 3016, 250, 1.5, 70, 500};

struct ListedRow {
  int range;
  const char* elevation;
  const char* velocity;
  const char* energy;
  const char* time;
  const char* drop;
  const char* maxY;
  const char* wind;
  const char* lead5;
  const char* lead60;
};

TEST(EngineWorkedValues, DefaultLoadStateAndRows) {
  Engine engine;
  engine.computeTrajectory(kDefaultLoad);
  EXPECT_NEAR(engine.densityRatio(), 0.961743, 5e-7);
  EXPECT_NEAR(0.436 / engine.densityRatio(), 0.453344, 5e-7);
  EXPECT_NEAR(engine.muzzleSpace(), 6649.8009, 5e-5);
  EXPECT_NEAR(engine.muzzleTime(), 1.5899396, 5e-8);

  const ListedRow rows[] = {
      {0, "-1.50", "3016", "2625", "0.000", "0.00", "-1.50", "0.00", "0.00", "0.00"},
      {100, "2.50", "2806", "2272", "0.103", "2.00", "-0.08", "0.63", "0.76", "9.07"},
      {250, "0.00", "2508", "1816", "0.273", "13.51", "3.01", "4.23", "2.00", "24.00"},
      {500, "-33.57", "2054", "1218", "0.603", "62.10", "17.10", "18.68", "4.43", "53.10"},
      {1000, "-288.54", "1324", "506", "1.519", "347.09", "111.59", "92.34", "11.14", "133.70"},
  };
  for (const ListedRow& expected : rows) {
    const TrajectoryPoint& p = engine.table()[expected.range];
    SCOPED_TRACE(expected.range);
    EXPECT_EQ(p.range, expected.range);
    EXPECT_EQ(cformat("%0.2f", p.elevation == 0 ? 0.0 : p.elevation).substr(
                  p.elevation < 0 && p.elevation > -0.005 ? 1 : 0),
              expected.elevation);
    EXPECT_EQ(cformat("%0.0f", p.velocity), expected.velocity);
    EXPECT_EQ(cformat("%0.0f", p.energy), expected.energy);
    EXPECT_EQ(cformat("%0.3f", p.time < 0 ? 0.0 : p.time), expected.time);
    EXPECT_EQ(cformat("%0.2f", p.drop), expected.drop);
    EXPECT_EQ(cformat("%0.2f", p.maxY), expected.maxY);
    EXPECT_EQ(cformat("%0.2f", p.windDeflection < 0 ? 0.0 : p.windDeflection), expected.wind);
    EXPECT_EQ(cformat("%0.2f", p.lead[0] < 0 ? 0.0 : p.lead[0]), expected.lead5);
    EXPECT_EQ(cformat("%0.2f", p.lead[11] < 0 ? 0.0 : p.lead[11]), expected.lead60);
  }
  EXPECT_NEAR(engine.table()[0].energy, 2625.47, 0.005);
}

}  // namespace
}  // namespace deadhold
