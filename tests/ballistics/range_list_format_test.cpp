#include "ballistics/range_list_format.h"

#include <gtest/gtest.h>

#include "engine/engine.h"

namespace deadhold {
namespace {

constexpr BallisticInputs kDefaultLoad{0.436, 130, 3016, 250, 1.5, 70, 500};

TEST(RangeListColumns, HeadingsAndWidthsInOrder) {
  const char* headings[] = {"Range",       "Elevation",   "Velocity ",   "Energy",
                            "ETA",         "Total Drop",  "Max Y",       "Wind Def (10 mph)",
                            "5 mph Lead",  "10 mph Lead", "15 mph Lead", "20 mph Lead",
                            "25 mph Lead", "30 mph Lead", "35 mph Lead", "40 mph Lead",
                            "45 mph Lead", "50 mph Lead", "55 mph Lead", "60 mph Lead"};
  const int widths[] = {50, 60, 55, 56, 60, 65, 48, 110, 80, 80,
                        80, 80, 80, 80, 80, 80, 80, 80,  80, 80};
  for (int i = 0; i < kRangeListColumnCount; ++i) {
    EXPECT_STREQ(kRangeListColumns[i].heading, headings[i]) << i;
    EXPECT_EQ(kRangeListColumns[i].width, widths[i]) << i;
  }
}

TEST(RangeListCells, DefaultLoadRowsAsTheListShowsThem) {
  Engine engine;
  engine.computeTrajectory(kDefaultLoad);
  const RangeListCells at500 = rangeListCells(engine.table()[500]);
  const RangeListCells expected500{"500 yds",  "-33.57 in", "2054 fps", "1218 fpe", "0.603 sec",
                                   "62.10 in", "17.10 in",  "18.68 in", "4.43 ft",  "8.85 ft",
                                   "13.28 ft", "17.70 ft",  "22.13 ft", "26.55 ft", "30.98 ft",
                                   "35.40 ft", "39.83 ft",  "44.25 ft", "48.68 ft", "53.10 ft"};
  EXPECT_EQ(at500, expected500);

  const RangeListCells at1000 = rangeListCells(engine.table()[1000]);
  EXPECT_EQ(at1000[0], "1000 yds");
  EXPECT_EQ(at1000[1], "-288.54 in");
  EXPECT_EQ(at1000[2], "1324 fps");
  EXPECT_EQ(at1000[3], "506 fpe");
  EXPECT_EQ(at1000[4], "1.519 sec");
  EXPECT_EQ(at1000[5], "347.09 in");
  EXPECT_EQ(at1000[6], "111.59 in");
  EXPECT_EQ(at1000[7], "92.34 in");
  EXPECT_EQ(at1000[8], "11.14 ft");
  EXPECT_EQ(at1000[19], "133.70 ft");
}

TEST(RangeListCells, NegativeTimeIsShownAsZeroOnlyOnceClamped) {
  TrajectoryPoint point{};
  point.time = -1e-17;
  point.lead.fill(-1e-17 * 7.3333);
  EXPECT_EQ(rangeListCells(point)[4], "-0.000 sec");
  clampListedTime(point);
  EXPECT_EQ(point.time, 0.0);
  EXPECT_EQ(rangeListCells(point)[4], "0.000 sec");
  EXPECT_EQ(rangeListCells(point)[8], "-0.00 ft");  // leads keep the value they were computed with
  point.time = 0.25;
  clampListedTime(point);
  EXPECT_EQ(point.time, 0.25);
}

TEST(RangeListCells, EarlyStoppedRowsListAsZeroRange) {
  const RangeListCells cells = rangeListCells(TrajectoryPoint{});
  EXPECT_EQ(cells[0], "0 yds");
  EXPECT_EQ(cells[1], "0.00 in");
  EXPECT_EQ(cells[2], "0 fps");
  EXPECT_EQ(cells[4], "0.000 sec");
  EXPECT_EQ(cells[19], "0.00 ft");
}

}  // namespace
}  // namespace deadhold
