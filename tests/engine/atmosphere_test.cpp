#include "engine/atmosphere.h"

#include <gtest/gtest.h>

namespace deadhold {
namespace {

// ICAO standard atmosphere tables: temperature, pressure, density ratio, speed of sound.
TEST(Atmosphere, StandardAtmosphereMatchesTheIcaoTable) {
  struct Level {
    double altitude, temperature, pressure, densityRatio, speedOfSound;
  };
  const Level levels[] = {
      {0, 59.0, 29.92, 1.0, 1116.4},
      {5000, 41.17, 24.89, 0.8617, 1097.1},
      {10000, 23.34, 20.58, 0.7385, 1077.4},
      {-1000, 62.57, 31.02, 1.0296, 1120.3},
  };
  for (const Level& level : levels) {
    const Atmosphere air = standardAtmosphere(level.altitude);
    const AirProperties properties = airProperties(air);
    EXPECT_NEAR(air.temperature, level.temperature, 0.01) << level.altitude;
    EXPECT_NEAR(air.pressure, level.pressure, 0.01) << level.altitude;
    EXPECT_EQ(air.humidity, 0);
    EXPECT_NEAR(properties.densityRatio, level.densityRatio, 1e-4) << level.altitude;
    EXPECT_NEAR(properties.speedOfSound, level.speedOfSound, 0.1) << level.altitude;
  }
  EXPECT_NEAR(referenceAirDensity(), 0.07647, 1e-5);  // lb/ft^3, 1.225 kg/m^3
}

// Saturated air at 86 F (30 C): the vapour pressure is 42.45 hPa, so the air is 1.6 % lighter
// than dry air of the same temperature and pressure, and sound is 0.7 % faster in it.
TEST(Atmosphere, HumidityLightensTheAirAndSpeedsUpSound) {
  const AirProperties dry = airProperties({86, 29.92, 0});
  const AirProperties saturated = airProperties({86, 29.92, 100});
  EXPECT_NEAR(dry.densityRatio, 288.15 / 303.15, 1e-6);
  EXPECT_NEAR(saturated.densityRatio / dry.densityRatio, 0.9842, 2e-4);
  EXPECT_NEAR(dry.speedOfSound, 1145.1, 0.1);
  EXPECT_NEAR(saturated.speedOfSound / dry.speedOfSound, 1.0067, 5e-4);
  EXPECT_GT(airProperties({86, 29.92, 50}).densityRatio, saturated.densityRatio);
}

}  // namespace
}  // namespace deadhold
