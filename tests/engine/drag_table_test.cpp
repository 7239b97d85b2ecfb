#include "engine/drag_table.h"

#include <gtest/gtest.h>

#include <fstream>
#include <stdexcept>
#include <string>

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

}  // namespace
}  // namespace deadhold
