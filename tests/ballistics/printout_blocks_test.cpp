#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "ballistics/ballistics_page_fixture.h"
#include "ballistics/calculation_variables_block.h"
#include "ballistics/kill_zone_table_block.h"
#include "ballistics/range_tables_block.h"
#include "common/cformat.h"
#include "support/recording_surface.h"

// RecordingSurface metrics: a text is (characters x cell height / 2) wide, one cell high.
namespace deadhold::testing {
namespace {

const Pen kFrame{PenStyle::Solid, 2, kBlack};
const Font kTitle14{"Arial", 14, 700};
const Font kBody12{"Arial", 12, 400};

// A surface whose font and pen a block must leave as it found them.
std::unique_ptr<RecordingSurface> surfaceWithOwnState() {
  auto surface = std::make_unique<RecordingSurface>();
  surface->setFont({"Verdana", 30, 400});
  surface->setPen({PenStyle::Dotted, 5, kRed});
  return surface;
}

void expectStateKept(const RecordingSurface& surface) {
  EXPECT_EQ(surface.font(), (Font{"Verdana", 30, 400}));
  EXPECT_EQ(surface.pen(), (Pen{PenStyle::Dotted, 5, kRed}));
}

TEST(CalculationVariablesBlock, LaysOutTwoHalvesOfFourRowsUnderAnUnderlinedTitle) {
  auto surface = surfaceWithOwnState();
  const BallisticInputs inputs{0.436, 130.9, 3016.7, 250.5, 1.5, 70.9, 500.2};
  const Rect used = drawCalculationVariables(*surface, 50, 25, 1, inputs, "100% Custom");

  // Title 31 x 7 wide, 14 high; "Muzzle Velocity:" 16 x 6 = 96 wide, rows 12 apart from
  // 25 + 14 + 7; the right half at 340, its values after "Target Zero Range:" (108) + 10.
  const std::vector<PlacedText> expected{
      {50, 25, "Ballistic Calculation Variables"},
      {50, 46, "Name:"},
      {156, 46, "100% Custom"},
      {340, 46, "Scope Height:"},
      {458, 46, "1.50 in"},
      {50, 58, "Muzzle Velocity:"},
      {156, 58, "3016 fps"},
      {340, 58, "Target Zero Range:"},
      {458, 58, "250 yrds"},
      {50, 70, "Bullet Weight:"},
      {156, 70, "130 grains"},
      {340, 70, "Altitude:"},
      {458, 70, "500 ft"},
      {50, 82, "Ballistic Coef.:"},
      {156, 82, "0.436"},
      {340, 82, "Temperature:"},
      {458, 82, "70 F"},
  };
  EXPECT_EQ(surface->placedTexts(), expected);
  EXPECT_EQ(surface->texts()[0].font, kTitle14);
  EXPECT_EQ(surface->texts()[1].font, kBody12);
  ASSERT_EQ(surface->lines().size(), 1u);
  const DrawOp rule = surface->lines()[0];
  EXPECT_EQ(drawnBox(rule), (Rect{50, 39, 267, 39}));
  EXPECT_EQ(rule.pen, kFrame);
  EXPECT_EQ(used.bottom, 46 + 5 * 12);
  expectStateKept(*surface);
}

TEST(CalculationVariablesBlock, CutsEveryScaledLengthAndPlacesTheRightHalfOnTheSurface) {
  RecordingSurface surface;
  // At 0.9 x 7.843...: fonts of cut(98.8) = 98 and cut(84.7) = 84, the gap cut(70.6) = 70,
  // the right half at cut(340 x 7.0588...) = 2400 whatever x is.
  const double scale = 0.9 * (4800.0 / 612);
  drawCalculationVariables(surface, 391, 196, scale, {0.5, 150, 2800, 200, 1.75, 59, 0}, "L");
  EXPECT_EQ(surface.findText("Ballistic Calculation Variables")->font.cellHeight, 98);
  const DrawOp* name = surface.findText("Name:");
  EXPECT_EQ(name->font.cellHeight, 84);
  EXPECT_EQ(name->y, 196 + 98 + 49);
  EXPECT_EQ(surface.findText("L")->x, 391 + 16 * 42 + 70);
  EXPECT_EQ(surface.findText("Scope Height:")->x, 2400);
  EXPECT_EQ(surface.findText("1.75 in")->x, 2400 + 18 * 42 + 70);
}

class PrintoutTables : public BallisticsPageTest {
 protected:
  PrintoutTables() {
    handOverDefaultLoad();
    page.reCompute();
  }
};

TEST_F(PrintoutTables, RangeTablesHaveElevenColumnsAndSeventeenRowsTo800Yards) {
  auto surface = surfaceWithOwnState();
  const Rect used = drawBallisticsTables(*surface, 0, 0, 1, page.table());

  // Column starts: each title's width (x 7) plus a gap of 10.
  const std::vector<int> starts{0, 45, 118, 184, 236, 267, 347, 392, 479, 531, 583};
  const std::vector<std::string> titles{"Range",  "Elevation",  "Velocity", "Energy",
                                        "ETA",    "Total Drop", "Max Y",    "10 mph Wind",
                                        "10 mph", "20 mph",     "30 mph"};
  const std::vector<PlacedText> texts = surface->placedTexts();
  ASSERT_EQ(texts.size(), 2u + 11u + 11u + 17u * 11u);
  EXPECT_EQ(texts[0], (PlacedText{0, 0, "Ballistics Data"}));
  EXPECT_EQ(texts[1], (PlacedText{479, 0, "Moving Target Lead Data"}));
  for (std::size_t i = 0; i < 11; ++i)
    EXPECT_EQ(texts[2 + i], (PlacedText{starts[i], 14, titles[i]}));
  // Units centred under their titles: "yards" (30 wide) under "Range" (35 wide).
  EXPECT_EQ(texts[13], (PlacedText{2, 28, "yards"}));

  // The two rules at the units' top: the first eight columns, and the leads on their own.
  ASSERT_EQ(surface->lines().size(), 2u);
  EXPECT_EQ(drawnBox(surface->lines()[0]), (Rect{0, 28, 469, 28}));
  EXPECT_EQ(drawnBox(surface->lines()[1]), (Rect{479, 28, 625, 28}));
  EXPECT_EQ(surface->lines()[1].pen, kFrame);

  // Rows 0, 50 ... 800 yards, 12 apart from 40; each value centred on its column.
  const TrajectoryTable& table = page.table();
  for (int r = 0; r < 17; ++r) {
    const std::size_t first = 24 + static_cast<std::size_t>(r) * 11;
    const TrajectoryPoint& point = table[r * 50];
    EXPECT_EQ(texts[first].text, cformat("%0.0f", point.range));
    EXPECT_EQ(texts[first].y, 40 + 12 * r);
    EXPECT_EQ(texts[first + 4].text, cformat("%0.3f", point.time));
    EXPECT_EQ(texts[first + 8].text, cformat("%0.2f", point.lead[1]));
    EXPECT_EQ(texts[first + 9].text, cformat("%0.2f", point.lead[3]));
    EXPECT_EQ(texts[first + 10].text, cformat("%0.2f", point.lead[5]));
    const int width = static_cast<int>(texts[first + 2].text.size()) * 6;
    EXPECT_EQ(texts[first + 2].x, 118 + 56 / 2 - width / 2);
  }
  EXPECT_EQ(texts.back().text, cformat("%0.2f", table[800].lead[5]));
  EXPECT_EQ(used.bottom, 40 + 16 * 12 + 2 * 12);
  expectStateKept(*surface);
}

TEST_F(PrintoutTables, RangeTablesKeepSeventeenRowsWhenTheTableStopsEarly) {
  auto table = std::make_unique<TrajectoryTable>(page.table());
  for (int row = 300; row < kTableRows; ++row) (*table)[row] = TrajectoryPoint{};
  RecordingSurface surface;
  drawBallisticsTables(surface, 0, 0, 1, *table);
  EXPECT_EQ(surface.texts().size(), 2u + 11u + 11u + 17u * 11u);
  EXPECT_EQ(surface.texts().back().text, "0.00");
}

TEST_F(PrintoutTables, KillZoneTableSearchesFiveHeightsAndLeavesThePageAsItWas) {
  const auto before = std::make_unique<TrajectoryTable>(page.table());
  auto surface = surfaceWithOwnState();
  const Rect used = drawKillZoneTable(*surface, 400, 300, 1, page);

  // Columns "KillZone" (48), "Zero Dist" (54), "Max Dist" (48) with gaps of 10; the rule and
  // the first row 14 + 12 below the title.
  const std::vector<PlacedText> expected{
      {400, 300, "Deadhold Range Data"},
      {400, 314, "KillZone"},
      {458, 314, "Zero Dist"},
      {522, 314, "Max Dist"},
      {412, 326, "4 in"},
      {461, 326, "219 yrds"},
      {522, 326, "256 yrds"},
      {412, 338, "6 in"},
      {461, 338, "254 yrds"},
      {522, 338, "298 yrds"},
      {412, 350, "8 in"},
      {461, 350, "283 yrds"},
      {522, 350, "333 yrds"},
      {409, 362, "10 in"},
      {461, 362, "309 yrds"},
      {522, 362, "363 yrds"},
      {409, 374, "12 in"},
      {461, 374, "332 yrds"},
      {522, 374, "390 yrds"},
  };
  EXPECT_EQ(surface->placedTexts(), expected);
  ASSERT_EQ(surface->lines().size(), 1u);
  EXPECT_EQ(drawnBox(surface->lines()[0]), (Rect{570, 326, 400, 326}));
  EXPECT_EQ(used.bottom, 374);
  expectStateKept(*surface);

  // Each search ended with Re-Compute: the table is the page's own again.
  EXPECT_TRUE(page.table() == *before);
  EXPECT_TRUE(page.resultsValid());
  EXPECT_EQ(page.fieldTexts().targetDistance, "250");
}

TEST_F(PrintoutTables, KillZoneRowsAllStartFromTheInputsThePrintoutShows) {
  // A velocity typed but never computed: every row still belongs to the printed inputs, and the
  // page ends up computed from its fields.
  type(BallisticsField::MuzzleVelocity, "2700");
  RecordingSurface surface;
  drawKillZoneTable(surface, 0, 0, 1, page);
  EXPECT_NE(surface.findText("254 yrds"), nullptr);
  EXPECT_NE(surface.findText("298 yrds"), nullptr);
  EXPECT_NE(surface.findText("390 yrds"), nullptr);
  EXPECT_EQ(page.inputs().muzzleVelocity, 2700);
}

}  // namespace
}  // namespace deadhold::testing
