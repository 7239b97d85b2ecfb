#include "ballistics/ballistics_report.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>

#include "common/safe_file_writer.h"
#include "engine/engine.h"
#include "support/temp_folder.h"

namespace deadhold::testing {
namespace {

constexpr BallisticInputs kDefaultLoad{0.436, 130, 3016, 250, 1.5, 70, 500};
const std::string kLabel = "Default Load: .270 Winchester, 130 grn Sierra Gameking";

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> result;
  std::istringstream stream(text);
  for (std::string line; std::getline(stream, line);) result.push_back(line);
  return result;
}

TEST(BallisticsReport, TheDefaultLoadLineByLine) {
  const auto engine = std::make_unique<Engine>();
  engine->computeTrajectory(kDefaultLoad);
  const std::string report = ballisticsReport(kDefaultLoad, kLabel, engine->table());
  ASSERT_EQ(report.back(), '\n');
  EXPECT_EQ(report.find('\r'), std::string::npos);
  const std::vector<std::string> text = lines(report);
  ASSERT_EQ(text.size(), 85u);  // 11 load lines, two tables of a title block and 33 rows
  const std::vector<std::string> head(text.begin(), text.begin() + 15);
  EXPECT_EQ(head, (std::vector<std::string>{
                      "Load Data", "~~~~~~~~~", "",
                      "Name: Default Load: .270 Winchester, 130 grn Sierra Gameking",
                      "Ballistic Coeff: 0.436", "Bullet Weight: 130", "Velocity: 3016",
                      "Target Distance: 250", "Scope Height: 1.500", "Temperature: 70",
                      "Altitude: 500", "", "Ballistic Data", "~~~~~~~~~~~~~~~",
                      "  Range  Elevation  Velocity   Energy     ETA         Drop      Max Y  "
                      "10mph Wind Deflect"}));
  EXPECT_EQ(text[15],
            "  0 yds   -1.50 in  3016 fps  2625 fpe  0.000 sec    0.00 in  -1.50 in    0.00 in");
  EXPECT_EQ(text[16].substr(0, 7), " 25 yds");
  EXPECT_EQ(text[15 + 20],
            "500 yds  -33.57 in  2054 fps  1218 fpe  0.603 sec   62.10 in  17.10 in   18.68 in");
  EXPECT_EQ(text[15 + 32].substr(0, 7), "800 yds");
  const std::vector<std::string> leadHead(text.begin() + 48, text.begin() + 52);
  EXPECT_EQ(leadHead, (std::vector<std::string>{
                          "", "Moving Target Lead Data", "~~~~~~~~~~~~~~~~~~~~~~~",
                          " Range       5 Mph     10 Mph     15 Mph     20 Mph     25 Mph     "
                          "30 Mph     35 Mph     40 Mph     45 Mph     50 Mph     55 Mph     "
                          "60 Mph"}));
  EXPECT_EQ(text[52 + 20],
            "500 yds    4.43 ft    8.85 ft   13.28 ft   17.70 ft   22.13 ft   26.55 ft   30.98 ft"
            "   35.40 ft   39.83 ft   44.25 ft   48.68 ft   53.10 ft");
  EXPECT_EQ(text[84].substr(0, 7), "800 yds");
}

TEST(BallisticsReport, ValuesInTheirFieldFormatsAndTheLabelVerbatim) {
  const auto table = std::make_unique<TrajectoryTable>();
  TrajectoryPoint& row = (*table)[25];
  row.range = 25;
  row.elevation = 1.25;
  row.velocity = 2950.4;
  row.energy = 2513.6;
  row.time = 0.0254;
  row.drop = 0.5;
  row.maxY = -1.5;
  row.windDeflection = 0.13;
  row.lead.fill(-0.004);
  (*table)[50].time = -1e-9;  // a time the list never clamped keeps its sign
  const std::string report = ballisticsReport({0.4567, 129.9, 2999.99, 275.5, 1.4567, -0.5, -99.9},
                                              "100% Cal, %s %d, 129 grn", *table);
  const std::vector<std::string> text = lines(report);
  EXPECT_EQ(text[3], "Name: 100% Cal, %s %d, 129 grn");
  EXPECT_EQ(text[4], "Ballistic Coeff: 0.457");
  EXPECT_EQ(text[5], "Bullet Weight: 129");
  EXPECT_EQ(text[6], "Velocity: 2999");
  EXPECT_EQ(text[7], "Target Distance: 275");
  EXPECT_EQ(text[8], "Scope Height: 1.457");
  EXPECT_EQ(text[9], "Temperature: 0");
  EXPECT_EQ(text[10], "Altitude: -99");
  // Rows a computation never reached are reported as rows of 0 yards.
  EXPECT_EQ(text[15],
            "  0 yds    0.00 in     0 fps     0 fpe  0.000 sec    0.00 in   0.00 in    0.00 in");
  EXPECT_EQ(text[16],
            " 25 yds    1.25 in  2950 fps  2514 fpe  0.025 sec    0.50 in  -1.50 in    0.13 in");
  EXPECT_EQ(text[17],
            "  0 yds    0.00 in     0 fps     0 fpe -0.000 sec    0.00 in   0.00 in    0.00 in");
  EXPECT_EQ(text[53],
            " 25 yds   -0.00 ft   -0.00 ft   -0.00 ft   -0.00 ft   -0.00 ft   -0.00 ft   -0.00 ft"
            "   -0.00 ft   -0.00 ft   -0.00 ft   -0.00 ft   -0.00 ft");
}

TEST(BallisticsReport, WritingReplacesTheWholeFileOrLeavesIt) {
  TempFolder folder;
  const auto table = std::make_unique<TrajectoryTable>();
  const auto file = folder / "BALLISTIC.TXT";
  writeBytes(file, std::string(20000, 'x'));
  ASSERT_FALSE(writeBallisticsReport(file, kDefaultLoad, kLabel, *table));
  EXPECT_EQ(readBytes(file), withTextLineEnds(ballisticsReport(kDefaultLoad, kLabel, *table)));

  const auto error = writeBallisticsReport(folder / "none" / "B.TXT", kDefaultLoad, kLabel, *table);
  ASSERT_TRUE(error);
  EXPECT_NE(error->message.find("B.TXT"), std::string::npos);
}

}  // namespace
}  // namespace deadhold::testing
