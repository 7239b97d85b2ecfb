// What the air and the drag functions put into the point-mass solver.
#include <gtest/gtest.h>

#include <fstream>
#include <stdexcept>
#include <string>

#include "engine/atmosphere.h"
#include "engine/drag_table.h"

namespace deadhold {
namespace {

TEST(DragTable, CompiledInPointsAreTheShippedTables) {
  for (const auto& [function, file] :
       {std::pair{DragFunction::G1, "G1.csv"}, std::pair{DragFunction::G7, "G7.csv"}}) {
    std::ifstream csv(std::string(DEADHOLD_RESOURCES_DIR) + "/drag/" + file);
    std::string line;
    std::getline(csv, line);
    ASSERT_EQ(line, "mach,cd");
    std::size_t i = 0;
    const auto points = standardDragPoints(function);
    for (; std::getline(csv, line); ++i) {
      ASSERT_LT(i, points.size()) << file;
      EXPECT_EQ(points[i].mach, std::stod(line)) << file << " " << line;
      EXPECT_EQ(points[i].cd, std::stod(line.substr(line.find(',') + 1))) << file << " " << line;
    }
    EXPECT_EQ(i, points.size()) << file;
  }
}

TEST(DragTable, PassesThroughEveryPointAndHoldsTheEndsOutside) {
  for (DragFunction function : {DragFunction::G1, DragFunction::G7}) {
    const DragTable& table = DragTable::standard(function);
    const auto points = standardDragPoints(function);
    for (const DragPoint& p : points) EXPECT_NEAR(table.dragCoefficient(p.mach), p.cd, 1e-12);
    EXPECT_EQ(table.dragCoefficient(-1), points.front().cd);
    EXPECT_EQ(table.dragCoefficient(9), points.back().cd);
  }
}

// The transonic rise of G7 climbs 0.0939 between Mach 0.95 and 0.975: a monotone cubic stays
// inside each step and rises steadily, where a plain spline would swing past the points.
TEST(DragTable, StaysBetweenNeighbouringPointsThroughTheTransonicRise) {
  const DragTable& g7 = DragTable::standard(DragFunction::G7);
  double previous = 0;
  for (double mach = 0.9; mach <= 1.05; mach += 0.001) {
    const double cd = g7.dragCoefficient(mach);
    EXPECT_GE(cd, previous - 1e-12) << mach;
    previous = cd;
  }
  const double peak = g7.dragCoefficient(1.04);
  EXPECT_GT(peak, 0.4015);
  EXPECT_LT(peak, 0.4043);
}

TEST(DragTable, RefusesTablesItCannotInterpolate) {
  const DragPoint one[] = {{0, 0.2}};
  const DragPoint falling[] = {{0, 0.2}, {1, 0.3}, {1, 0.4}};
  EXPECT_THROW(DragTable{one}, std::invalid_argument);
  EXPECT_THROW(DragTable{falling}, std::invalid_argument);
}

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
