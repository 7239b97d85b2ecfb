#include "loadinfo/ladder_chart.h"

#include <gtest/gtest.h>

#include <cmath>

#include "loadinfo/ladder_chart_drawing.h"
#include "loadinfo/open_load_dialog.h"
#include "loads/load_rules.h"
#include "support/fake_dialogs.h"
#include "support/recording_surface.h"
#include "support/temp_folder.h"

namespace deadhold {
namespace {

using testing::DrawOp;
using testing::RecordingSurface;

// A .308 load of the ladder: 168 grain MatchKing over `charge` grains of Varget, shot at the
// velocities given, its first two shots placed `spread` inches apart.
LoadRecord rung(const char* name, float charge, std::vector<float> velocities, float spread = 0) {
  LoadRecord load = blankLoadRecord();
  load.caliber.assign(".308 Win");
  load.bulletMfg.assign("Sierra");
  load.bulletType.assign("MatchKing");
  load.bulletWeight = 168;
  load.powderMfg.assign("Hodgdon");
  load.powderType.assign("Varget");
  load.powderWeight = charge;
  load.loadName.assign(name);
  for (std::size_t i = 0; i < velocities.size(); ++i) load.shots[i].shotVelocity = velocities[i];
  if (spread > 0) {
    load.shots[0] = {load.shots[0].shotVelocity, 0, 0, 0, 1};
    load.shots[1] = {load.shots[1].shotVelocity, spread, 0, spread, 1};
  }
  return load;
}

TEST(LadderChart, TheCombinationsLoadsByChargeWithTheLeftOutNamed) {
  LoadRecord otherPowder = rung("IMR 4064", 42.0f, {2700});
  otherPowder.powderType.assign("4064");
  LoadRecord upperCase = rung("B", 42.5f, {2731, 2741}, 0.5f);
  upperCase.bulletType.assign("MATCHKING");  // the same bullet
  const std::vector<LoadRecord> loads = {
      rung("C", 43.0f, {2770, 2760, 2780}), upperCase,   rung("no chrono", 43.5f, {}),
      rung("no charge", 0.0f, {2600}),      otherPowder, rung("A", 41.0f, {2640})};
  std::vector<const LoadRecord*> pointers;
  for (const LoadRecord& load : loads) pointers.push_back(&load);

  EXPECT_EQ(commonestCombination(pointers), &loads[0]);
  const LadderChart chart = ladderChart(pointers, loads[0]);
  EXPECT_EQ(chart.title, ".308 Win: Sierra MatchKing 168 grn, Hodgdon Varget");
  ASSERT_EQ(chart.points.size(), 3u);
  EXPECT_EQ(chart.points[0].loadName, "A");
  EXPECT_EQ(chart.points[1].loadName, "B");
  EXPECT_EQ(chart.points[2].loadName, "C");
  EXPECT_EQ(chart.points[2].velocity.mean, 2770.0);
  EXPECT_EQ(chart.points[2].velocity.lowest, 2760.0);
  EXPECT_FALSE(chart.points[0].groupSize);  // one hole
  EXPECT_EQ(chart.points[1].groupSize, 0.5);
  EXPECT_EQ(chart.withoutVelocities, std::vector<std::string>{"no chrono"});
  EXPECT_EQ(chart.withoutCharge, std::vector<std::string>{"no charge"});
  EXPECT_EQ(chart.otherCombinations, 1);
  EXPECT_EQ(ladderChart(pointers, otherPowder).points.size(), 1u);
}

TEST(LadderChart, AxisTicksAreRoundSteps) {
  EXPECT_EQ(axisTicks(2618, 2791, 6), (std::vector<double>{2650, 2700, 2750}));
  EXPECT_EQ(axisTicks(40.8, 43.2, 8), (std::vector<double>{41, 41.5, 42, 42.5, 43}));
  EXPECT_EQ(axisTicks(0, 1.1, 5), (std::vector<double>{0, 0.5, 1}));
  EXPECT_TRUE(axisTicks(5, 5, 5).empty());
  EXPECT_LE(axisTicks(1e20, 1e20 + 1e5, 5).size(), 16u);  // a step finer than the values' grain
}

// Each velocity marker sits at its charge and mean; the ES bar spans lowest to highest, the SD
// bar one deviation either side; the load left out is named at the foot.
TEST(LadderChart, DrawsMeansWithTheirBarsAndNamesEveryPoint) {
  const std::vector<LoadRecord> loads = {rung("low", 41.0f, {2630, 2650}, 0.5f),
                                         rung("high", 43.0f, {2760, 2780}, 1.0f),
                                         rung("none", 42.0f, {})};
  const LadderChart chart = ladderChart({&loads[0], &loads[1], &loads[2]}, loads[0]);
  // Against the 130 ft/s between the means: ES 20, and 2 x sqrt(200) = 28.3 for the deviation.
  for (const auto& [bars, length] : {std::pair{LadderBars::extremeSpread, 20.0},
                                     std::pair{LadderBars::standardDeviation, std::sqrt(800.0)}}) {
    RecordingSurface surface;
    drawLadderChart(surface, {0, 0, 600, 800}, 1.0, chart, bars);
    EXPECT_NE(surface.findText("low"), nullptr);
    EXPECT_NE(surface.findText("Left out, no shot velocities: none"), nullptr);
    std::vector<DrawOp> markers;
    for (const DrawOp& op : surface.ops)
      if (op.kind == DrawOp::Kind::Ellipse) markers.push_back(op);
    ASSERT_EQ(markers.size(), 4u);          // two velocities, two groups
    EXPECT_LT(markers[0].x, markers[1].x);  // by charge
    EXPECT_GT(markers[0].y, markers[1].y);  // the faster load higher up
    // The bars: black upright lines through the velocity markers.
    std::vector<DrawOp> upright;
    for (const DrawOp& op : surface.lines())
      for (const DrawOp& marker : {markers[0], markers[1]})
        if (op.pen.color == kBlack && op.x == op.x2 && op.x == (marker.x + marker.x2) / 2)
          upright.push_back(op);
    ASSERT_EQ(upright.size(), 2u);
    for (const DrawOp& bar : upright)
      EXPECT_NEAR(std::abs(bar.y2 - bar.y) / double(markers[0].y - markers[1].y), length / 130,
                  0.01);
  }
}

TEST(LadderChart, TheOpenLoadCommandChartsTheSelectedRowsCombination) {
  testing::TempFolder folder;
  LoadDatabase database{folder / "RELOADER.DAT"};
  LoadRecord other = rung("other", 44.0f, {2800});
  other.powderType.assign("4064");
  for (const LoadRecord& load : {rung("A", 41.0f, {2640}), rung("B", 42.0f, {2700}), other})
    database.addLoadCopy(load);
  testing::FakeDialogs dialogs;
  const std::filesystem::path start = folder.path();
  std::vector<LadderChart> shown;
  OpenLoadDialog dialog(database, dialogs, start, {},
                        [&shown](const LadderChart& chart) { shown.push_back(chart); });
  dialog.open();
  dialog.ladderChart();  // no row selected: the combination most loads share
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].points.size(), 2u);
  EXPECT_EQ(shown[0].otherCombinations, 1);
  dialog.rowChanged(2);
  dialog.ladderChart();
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_EQ(shown[1].points.at(0).loadName, "other");

  for (int i = 0; i < 3; ++i)
    for (ShotRecord& shot : database.loadAt(i)->shots) shot.shotVelocity = 0;
  dialog.ladderChart();
  EXPECT_EQ(shown.size(), 2u);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text,
            "None of these loads has shot velocities to chart:\n.308 Win: Sierra MatchKing 168 "
            "grn, Hodgdon 4064");
  EXPECT_EQ(dialogs.messages[0].title, "Ladder Chart");
}

}  // namespace
}  // namespace deadhold
