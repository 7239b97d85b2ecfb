#include "engine/drag_model.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <sstream>

namespace deadhold {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// Written out here rather than taken from kDragBands, so that a slip in the table shows.
constexpr double kVelocityEdges[] = {300,  400,  500,  600,  700,  800,  900,  1000,
                                     1050, 1075, 1100, 1110, 1120, 1130, 1150, 1250,
                                     1500, 2000, 2500, 3000, 3500, 4000, 4500};
constexpr double kSpaceBounds[] = {43041.0, 36664.2, 31488.6, 27124.6, 23415.1, 20325.5,
                                   17879.9, 16095.6, 15433.3, 15150.3, 14894.3, 14798.5,
                                   14706.2, 14616.9, 14447.0, 13720.5, 12330.3, 10168.1,
                                   8332.83, 6699.05, 5245.45, 3958.11, 2812.29};
constexpr double kCentres[] = {350.0,  450.0,  550.0,  650.0,  750.0,  850.0,  950.0,  1025.0,
                               1062.5, 1087.0, 1105.0, 1115.0, 1125.0, 1140.0, 1200.0, 1375.0,
                               1750.0, 2250.0, 2750.0, 3250.0, 3750.0, 4250.0};

// Band number 1..22 of the band in force, 0 for the all-zero set before any selection.
int bandNumber(const DragModel& model) {
  for (int i = 0; i < kDragBandCount; ++i)
    if (model.bandInForce().centreVelocity == kCentres[i]) return i + 1;
  return 0;
}

struct QuietModel : DragModel {
  QuietModel() { setDiagnosticStream(diagnostics); }
  std::ostringstream diagnostics;
};

TEST(DragModelBeforeSelection, AllCoefficientsAreZero) {
  QuietModel model;
  const DragBand& band = model.bandInForce();
  for (double c : {band.centreVelocity, band.spaceA, band.spaceB, band.spaceC, band.timeA,
                   band.timeB, band.timeC})
    EXPECT_EQ(c, 0.0);
  EXPECT_EQ(model.spaceFunction(3000), 0.0);
  EXPECT_EQ(model.timeFunction(3000), 0.0);
  EXPECT_EQ(model.selectBandBySpace(2812.29), -1);
  EXPECT_EQ(bandNumber(model), 0);
}

TEST(DragModelSelectByVelocity, EdgeBelongsToTheBandStartingThere) {
  QuietModel model;
  for (int i = 0; i < kDragBandCount; ++i) {
    SCOPED_TRACE(kVelocityEdges[i]);
    ASSERT_EQ(model.selectBandByVelocity(kVelocityEdges[i]), 0);
    EXPECT_EQ(bandNumber(model), i + 1);
    ASSERT_EQ(model.selectBandByVelocity(std::nextafter(kVelocityEdges[i + 1], 0.0)), 0);
    EXPECT_EQ(bandNumber(model), i + 1);
  }
  EXPECT_EQ(model.diagnostics.str(), "");
}

TEST(DragModelSelectByVelocity, NamedCases) {
  QuietModel model;
  const struct {
    double velocity;
    int band;
  } cases[] = {{300, 1}, {400, 2}, {1086.9, 10}, {1099.9, 10}, {4000, 22}, {4499.99, 22}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.velocity);
    EXPECT_EQ(model.selectBandByVelocity(c.velocity), 0);
    EXPECT_EQ(bandNumber(model), c.band);
  }
  EXPECT_EQ(model.bandInForce().centreVelocity, 4250.0);
}

TEST(DragModelSelectByVelocity, OutsideTheModelFailsAndKeepsTheBand) {
  QuietModel model;
  ASSERT_EQ(model.selectBandByVelocity(1086.9), 0);
  for (double v : {299.999, 4500.0, -1.0, 1e9, kNaN, std::numeric_limits<double>::infinity()}) {
    SCOPED_TRACE(v);
    EXPECT_EQ(model.selectBandByVelocity(v), -1);
    EXPECT_EQ(bandNumber(model), 10);
    EXPECT_EQ(model.bandInForce().spaceA, 0.0199585);
  }
}

TEST(DragModelSelectBySpace, EdgeBelongsToTheSlowerBand) {
  QuietModel model;
  for (int i = 0; i < kDragBandCount; ++i) {
    SCOPED_TRACE(kSpaceBounds[i]);
    ASSERT_EQ(model.selectBandBySpace(kSpaceBounds[i]), 0);
    EXPECT_EQ(bandNumber(model), i + 1);
    ASSERT_EQ(model.selectBandBySpace(std::nextafter(kSpaceBounds[i + 1], 1e9)), 0);
    EXPECT_EQ(bandNumber(model), i + 1);
  }
}

TEST(DragModelSelectBySpace, NamedCasesAndFailures) {
  QuietModel model;
  EXPECT_EQ(model.selectBandBySpace(43041.0), 0);
  EXPECT_EQ(bandNumber(model), 1);
  EXPECT_EQ(model.selectBandBySpace(36664.2), 0);
  EXPECT_EQ(bandNumber(model), 2);
  EXPECT_EQ(model.selectBandBySpace(3958.11), 0);
  EXPECT_EQ(bandNumber(model), 22);
  EXPECT_EQ(model.selectBandBySpace(2812.3), 0);
  EXPECT_EQ(bandNumber(model), 22);
  ASSERT_EQ(model.selectBandBySpace(20000), 0);
  for (double s : {43041.01, 2812.29, 0.0, -5.0, kNaN}) {
    SCOPED_TRACE(s);
    EXPECT_EQ(model.selectBandBySpace(s), -1);
    EXPECT_EQ(bandNumber(model), 6);
  }
}

TEST(DragModelDiagnostics, VelocityAndSpaceFailuresWriteTheirOwnLines) {
  QuietModel model;
  model.selectBandByVelocity(kNaN);
  EXPECT_EQ(model.diagnostics.str(), "\nVelocity out of range...\n");
  model.diagnostics.str("");
  model.selectBandBySpace(43041.01);
  EXPECT_EQ(model.diagnostics.str(), "Velocity out of range...\n");
}

TEST(DragModelDiagnostics, GoToStandardOutputByDefault) {
  DragModel model;
  testing::internal::CaptureStdout();
  model.selectBandByVelocity(4500);
  model.selectBandBySpace(2812.29);
  EXPECT_EQ(testing::internal::GetCapturedStdout(),
            "\nVelocity out of range...\nVelocity out of range...\n");
}

TEST(DragModelBandSteps, SpaceAtFiveHundredSelectsTheSlowerBand) {
  QuietModel model;
  ASSERT_EQ(model.selectBandByVelocity(500), 0);
  const double s = model.spaceFunction(500);
  EXPECT_NEAR(s, 31488.6025, 1e-9);
  EXPECT_NEAR(model.timeFunction(500), 30.056188, 5e-7);
  ASSERT_EQ(model.selectBandBySpace(s), 0);
  EXPECT_EQ(bandNumber(model), 2);
  const double v = model.velocityAtSpace(s);
  EXPECT_NEAR(v, 499.999718, 5e-7);
  EXPECT_NEAR(model.timeFunction(v), 30.062136, 5e-7);
}

TEST(DragModelBandSteps, FitsAtOtherEdgesSelectTheBandBelow) {
  QuietModel model;
  const struct {
    double velocity;
    double space;
    int bandBelow;
  } cases[] = {{800, 20325.6157, 5}, {1100, 14894.3188, 10}, {1120, 14706.2192, 12}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.velocity);
    ASSERT_EQ(model.selectBandByVelocity(c.velocity), 0);
    const double s = model.spaceFunction(c.velocity);
    EXPECT_NEAR(s, c.space, 5e-5);
    ASSERT_EQ(model.selectBandBySpace(s), 0);
    EXPECT_EQ(bandNumber(model), c.bandBelow);
  }
}

TEST(DragModelBandSteps, SpaceAtThreeThousandStaysInBandTwenty) {
  QuietModel model;
  ASSERT_EQ(model.selectBandByVelocity(3000), 0);
  const double s = model.spaceFunction(3000);
  EXPECT_EQ(s, 6699.0153125);
  EXPECT_NEAR(model.timeFunction(3000), 1.606197, 5e-7);
  ASSERT_EQ(model.selectBandBySpace(s), 0);
  EXPECT_EQ(bandNumber(model), 20);
  ASSERT_EQ(model.selectBandBySpace(6699.06), 0);
  EXPECT_EQ(bandNumber(model), 19);
  EXPECT_NEAR(model.timeFunction(3000), 1.606622, 5e-7);
}

TEST(DragModelInversion, IsExactInsideABand) {
  QuietModel model;
  ASSERT_EQ(model.selectBandByVelocity(350), 0);
  EXPECT_NEAR(model.velocityAtSpace(model.spaceFunction(350)), 350, 1e-9);
  for (int i = 0; i < kDragBandCount; ++i) {
    const double v = kCentres[i] + 0.3 * (kVelocityEdges[i + 1] - kCentres[i]);
    SCOPED_TRACE(v);
    ASSERT_EQ(model.selectBandByVelocity(v), 0);
    EXPECT_NEAR(model.velocityAtSpace(model.spaceFunction(v)), v, 1e-8);
  }
}

// Whatever band an earlier selection left in force, a value selects the same band.
TEST(DragModelSelection, DoesNotDependOnTheBandInForce) {
  QuietModel used;
  for (int i = 0; i < kDragBandCount; ++i) {
    for (int j = 0; j <= kDragBandCount; ++j) {
      const double v = kVelocityEdges[j];
      const double s = kSpaceBounds[j];
      SCOPED_TRACE(testing::Message() << "band " << i + 1 << " in force, edge " << j);
      // The last edges lie outside the model: the band in force stays.
      const int expected = j < kDragBandCount ? j + 1 : i + 1;
      ASSERT_EQ(used.selectBandByVelocity(kCentres[i]), 0);
      used.selectBandByVelocity(v);
      EXPECT_EQ(bandNumber(used), expected);
      ASSERT_EQ(used.selectBandByVelocity(kCentres[i]), 0);
      used.selectBandBySpace(s);
      EXPECT_EQ(bandNumber(used), expected);
    }
  }
}

// The neighbouring fits nearly meet at each shared edge; a mistyped coefficient would not.
TEST(DragModelBandTable, NeighbouringFitsNearlyMeetAtTheirEdge) {
  DragModel below;
  DragModel above;
  for (int i = 1; i < kDragBandCount; ++i) {
    const double edge = kVelocityEdges[i];
    SCOPED_TRACE(edge);
    ASSERT_EQ(below.selectBandByVelocity(std::nextafter(edge, 0.0)), 0);
    ASSERT_EQ(above.selectBandByVelocity(edge), 0);
    EXPECT_NEAR(below.spaceFunction(edge) / above.spaceFunction(edge), 1.0, 2.5e-3);
    EXPECT_NEAR(below.timeFunction(edge) / above.timeFunction(edge), 1.0, 1.5e-3);
    EXPECT_NEAR(above.spaceFunction(edge) / kSpaceBounds[i], 1.0, 2.5e-3);
  }
}

}  // namespace
}  // namespace deadhold
