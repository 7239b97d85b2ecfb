#include "ballistics/trajectory_graph.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "support/recording_surface.h"

namespace deadhold::testing {
namespace {

constexpr TrajectoryGraphFlags kNoResults{false, false};
constexpr TrajectoryGraphFlags kResults{true, false};
constexpr TrajectoryGraphFlags kInvalidInputs{false, true};

const Pen kThin{PenStyle::Solid, 0, kBlack};
const Pen kFrame{PenStyle::Solid, 2, kBlack};
const Pen kDotted{PenStyle::Dotted, 0, kBlack};
const Pen kRedPen{PenStyle::Solid, 1, kRed};

// A computed path whose elevation at each yard is given.
std::unique_ptr<TrajectoryTable> pathTable(const std::function<double(int)>& elevation) {
  auto table = std::make_unique<TrajectoryTable>();
  for (int row = 0; row < kTableRows; ++row) {
    (*table)[row].range = row;
    (*table)[row].elevation = elevation(row);
  }
  return table;
}

// Starts at the scope's -1.5 in, holds `peak` from the first yard and falls far below the
// bottom edge at `crossing`.
std::unique_ptr<TrajectoryTable> crossingAt(int crossing, double peak = 2.3) {
  return pathTable([=](int row) {
    if (row == 0) return -1.5;
    return row >= crossing ? -40.0 : peak;
  });
}

struct Drawing {
  RecordingSurface surface;
  Rect rect;
  std::vector<DrawOp> linesWith(const Pen& pen) const {
    std::vector<DrawOp> found;
    for (const DrawOp& op : surface.lines())
      if (op.pen == pen) found.push_back(op);
    return found;
  }
  std::vector<std::string> texts() const {
    std::vector<std::string> found;
    for (const DrawOp& op : surface.texts()) found.push_back(op.text);
    return found;
  }
};

std::unique_ptr<Drawing> draw(const TrajectoryTable& table, TrajectoryGraphFlags flags, int x0 = 10,
                              int y0 = 5, double ws = 1, double fs = 1) {
  auto drawing = std::make_unique<Drawing>();
  drawing->rect = drawTrajectoryGraph(drawing->surface, table, flags, x0, y0, ws, fs);
  return drawing;
}

TEST(TrajectoryGraphGeometry, TheFourteenPixelFontOnThePage) {
  const auto table = std::make_unique<TrajectoryTable>();
  RecordingSurface surface;
  const TrajectoryGraphGeometry g = trajectoryGraphGeometry(surface, *table, kNoResults, 1, 1);
  EXPECT_EQ(g.margin, 16);
  EXPECT_EQ(g.inch, 14);
  EXPECT_EQ(g.height, 147);
  EXPECT_EQ(g.columns, 5);  // five columns before any result
  EXPECT_EQ(g.columnWidth, 101);
  EXPECT_EQ(g.top, 1);  // a path that never rises
  EXPECT_EQ(draw(*table, kNoResults)->rect, (Rect{10, 5, 532, 152}));
}

TEST(TrajectoryGraphGeometry, ScalesWidenTheGraphAndGrowTheFont) {
  const auto table = crossingAt(2000);
  RecordingSurface surface;
  const TrajectoryGraphGeometry g = trajectoryGraphGeometry(surface, *table, kResults, 2, 2.5);
  EXPECT_EQ(g.margin, 40);  // a 35-unit cell
  EXPECT_EQ(g.inch, 35);
  EXPECT_EQ(g.height, 367);
  EXPECT_EQ(g.columns, 10);
  EXPECT_EQ(g.columnWidth, 100);  // (1044 - 40) / 10
  EXPECT_EQ(draw(*table, kResults, 100, 200, 2, 2.5)->rect, (Rect{100, 200, 1144, 567}));
}

TEST(TrajectoryGraphGeometry, TopEdgeIsOneInchOverTheHighestPointAtMostFive) {
  const struct {
    double peak;
    int top;
  } cases[] = {{2.3, 4}, {3.0, 4}, {3.01, 5}, {4.2, 5}, {30, 5}, {0.0, 1}, {-1, 1}, {0.4, 2}};
  for (const auto& c : cases) {
    const auto table = crossingAt(600, c.peak);
    RecordingSurface surface;
    EXPECT_EQ(trajectoryGraphGeometry(surface, *table, kResults, 1, 1).top, c.top) << c.peak;
  }
}

TEST(TrajectoryGraphGeometry, ColumnsReachTheLastYardAboveTheBottomEdge) {
  const struct {
    int crossing;
    int columns;
    int columnWidth;
  } cases[] = {{400, 4, 126}, {401, 4, 126},  {402, 5, 101},
               {431, 5, 101}, {2000, 10, 50}, {2, 1, 506}};
  for (const auto& c : cases) {
    const auto table = crossingAt(c.crossing);
    RecordingSurface surface;
    const TrajectoryGraphGeometry g = trajectoryGraphGeometry(surface, *table, kResults, 1, 1);
    EXPECT_EQ(g.columns, c.columns) << c.crossing;
    EXPECT_EQ(g.columnWidth, c.columnWidth) << c.crossing;
  }
}

TEST(TrajectoryGraphGeometry, APathStartingBelowTheBottomCountsFromWhereItComesInside) {
  // A scope 5 inches over the bore: the path rises into the graph at 21 yards.
  const auto table = pathTable([](int row) {
    if (row <= 20) return -5.0;
    return row < 600 ? 4.5 : -30.0;
  });
  RecordingSurface surface;
  EXPECT_EQ(trajectoryGraphGeometry(surface, *table, kResults, 1, 1).columns, 6);
  const auto drawing = draw(*table, kResults);
  EXPECT_FALSE(drawing->linesWith(kRedPen).empty());
}

TEST(TrajectoryGraphGeometry, NoRowInsideMeansNoColumnsTicksOrPath) {
  const auto table = pathTable([](int) { return -20.0; });
  RecordingSurface surface;
  const TrajectoryGraphGeometry g = trajectoryGraphGeometry(surface, *table, kResults, 1, 1);
  EXPECT_EQ(g.columns, 0);
  EXPECT_EQ(g.columnWidth, 0);
  const auto drawing = draw(*table, kResults);
  EXPECT_EQ(drawing->linesWith(kFrame).size(), 5u);   // frame and line of sight
  EXPECT_EQ(drawing->linesWith(kDotted).size(), 9u);  // the inch grid only
  EXPECT_EQ(drawing->linesWith(kThin).size(), 2u);    // the two axes
  EXPECT_TRUE(drawing->linesWith(kRedPen).empty());
  EXPECT_EQ(drawing->texts().size(), 9u);  // no yard labels
}

TEST(TrajectoryGraphGeometry, RowsLeftZeroByAnEarlyStopAreNotPartOfThePath) {
  auto table = crossingAt(2000);
  for (int row = 701; row < kTableRows; ++row) (*table)[row] = TrajectoryPoint{};
  RecordingSurface surface;
  EXPECT_EQ(trajectoryGraphGeometry(surface, *table, kResults, 1, 1).columns, 7);
}

TEST(TrajectoryGraph, FrameFirstInTheFramePen) {
  const auto drawing = draw(*crossingAt(600), kResults);
  const auto lines = drawing->surface.lines();
  ASSERT_GE(lines.size(), 4u);
  const int expected[4][4] = {
      {10, 5, 531, 5}, {531, 5, 531, 152}, {531, 152, 10, 152}, {10, 152, 10, 5}};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(lines[i].pen, kFrame);
    EXPECT_EQ((std::array{lines[i].x, lines[i].y, lines[i].x2, lines[i].y2}),
              (std::array{expected[i][0], expected[i][1], expected[i][2], expected[i][3]}));
  }
}

TEST(TrajectoryGraph, InchGridLabelledRightAlignedAndCentredOnItsLines) {
  const auto drawing = draw(*crossingAt(600, 2.3), kResults);  // T = 4
  const auto dotted = drawing->linesWith(kDotted);
  for (int i = 1; i <= 9; ++i) {
    const DrawOp& line = dotted[static_cast<std::size_t>(i - 1)];
    EXPECT_EQ((std::array{line.x, line.y, line.x2, line.y2}),
              (std::array{26, i * 14 + 5, 531, i * 14 + 5}));
  }
  const char* labels[] = {"3", "2", "1", "0", "-1", "-2", "-3", "-4", "in"};
  for (int i = 1; i <= 9; ++i) {
    const DrawOp* text = drawing->surface.findText(labels[i - 1]);
    ASSERT_NE(text, nullptr) << labels[i - 1];
    const int width = static_cast<int>(text->text.size()) * 7;
    EXPECT_EQ(text->x + width, 24);  // ends H/6 left of the axis
    EXPECT_EQ(text->y, i * 14 + 5 - 8);
    EXPECT_EQ(text->font, (Font{"Arial", 14, 400}));
  }
  // The bold line of sight lies on the line labelled 0.
  const auto frame = drawing->linesWith(kFrame);
  ASSERT_EQ(frame.size(), 5u);
  EXPECT_EQ((std::array{frame[4].x, frame[4].y, frame[4].x2, frame[4].y2}),
            (std::array{26, 61, 531, 61}));
}

TEST(TrajectoryGraph, LabelsForAFiveInchTop) {
  const auto drawing = draw(*crossingAt(600, 4.2), kResults);
  const std::vector<std::string> texts = drawing->texts();
  const std::vector<std::string> inchLabels(texts.begin(), texts.begin() + 9);
  EXPECT_EQ(inchLabels,
            (std::vector<std::string>{"4", "3", "2", "1", "0", "-1", "-2", "-3", "in"}));
}

TEST(TrajectoryGraph, HundredYardColumnsFiftyYardLinesAndLabels) {
  const auto drawing = draw(*crossingAt(431), kResults);  // N = 5, CW = 101
  const auto thin = drawing->linesWith(kThin);
  const auto dotted = drawing->linesWith(kDotted);
  for (int k = 0; k < 5; ++k) {
    const DrawOp& column = thin[static_cast<std::size_t>(k)];
    EXPECT_EQ((std::array{column.x, column.y, column.x2, column.y2}),
              (std::array{26 + 101 * k, 5, 26 + 101 * k, 131}));
    const DrawOp& half = dotted[static_cast<std::size_t>(9 + k)];
    EXPECT_EQ((std::array{half.x, half.y, half.x2, half.y2}),
              (std::array{76 + 101 * k, 5, 76 + 101 * k, 131}));
  }
  const DrawOp* zero = drawing->surface.findText("0 yrds");
  ASSERT_NE(zero, nullptr);
  EXPECT_EQ(zero->x, 26);
  EXPECT_EQ(zero->y, 133);
  const DrawOp* hundred = drawing->surface.findText("100");
  ASSERT_NE(hundred, nullptr);
  EXPECT_EQ(hundred->x, 127 - 10);  // centred: half of 21 cut to 10
  EXPECT_EQ(hundred->y, 133);
  EXPECT_NE(drawing->surface.findText("400"), nullptr);
  EXPECT_EQ(drawing->surface.findText("500"), nullptr);
}

TEST(TrajectoryGraph, ALabelThatWouldRunIntoTheOneBeforeIsLeftOut) {
  // A path that never falls to the bottom: N = 10, CW = 50. "0 yrds" ends at 26 + 42 = 68; "100"
  // would start at 76 - 10 = 66, so it is left out; "200" at 116 - 10 stands clear of it.
  const auto drawing = draw(*pathTable([](int) { return 0.0; }), kResults);
  EXPECT_EQ(drawing->surface.findText("100"), nullptr);
  for (int hundreds = 2; hundreds <= 9; ++hundreds) {
    const DrawOp* label = drawing->surface.findText(std::to_string(hundreds * 100));
    ASSERT_NE(label, nullptr) << hundreds;
    EXPECT_EQ(label->x, 26 + 50 * hundreds - 10);
  }
}

TEST(TrajectoryGraph, QuarterColumnTicksOnTheLineOfSightThenTheAxes) {
  const auto drawing = draw(*crossingAt(431), kResults);  // T = 4: line of sight at 61
  const auto thin = drawing->linesWith(kThin);
  ASSERT_EQ(thin.size(), 5u + 20u + 2u);
  for (int j = 0; j < 20; ++j) {
    const DrawOp& tick = thin[static_cast<std::size_t>(5 + j)];
    const int x = static_cast<int>(j * 101 * 0.25) + 26;
    EXPECT_EQ((std::array{tick.x, tick.y, tick.x2, tick.y2}), (std::array{x, 58, x, 64}));
  }
  EXPECT_EQ((std::array{thin[25].x, thin[25].y, thin[25].x2, thin[25].y2}),
            (std::array{26, 131, 531, 131}));
  EXPECT_EQ((std::array{thin[26].x, thin[26].y, thin[26].x2, thin[26].y2}),
            (std::array{26, 5, 26, 131}));
}

TEST(TrajectoryGraph, PathInRedInsideThePlotAreaOnly) {
  // Rises steeply off the top between 200 and 210 yards, comes back at 211.
  const auto table = pathTable([](int row) {
    if (row >= 200 && row <= 210) return 40.0;
    return row < 450 ? 2.3 - row * 0.01 : -40.0;
  });
  const auto drawing = draw(*table, kResults);
  const auto red = drawing->linesWith(kRedPen);
  ASSERT_FALSE(red.empty());
  int fromOutside = 0;
  for (const DrawOp& segment : red) {
    EXPECT_GT(segment.x2, 27);
    EXPECT_LT(segment.x2, 531);
    EXPECT_GT(segment.y2, 4);
    EXPECT_LT(segment.y2, 131);
    if (segment.y < 4) ++fromOutside;
  }
  EXPECT_EQ(fromOutside, 1);  // the point back inside is joined to the one above the top
  // Row 1 lies on x = 27, not inside: the curve starts from it towards row 2.
  EXPECT_EQ(red.front().x, 27);
  EXPECT_EQ(red.front().x2, 28);
}

TEST(TrajectoryGraph, NoPathWhileTheInputsAreInvalid) {
  const auto drawing = draw(*crossingAt(431), kInvalidInputs);
  EXPECT_TRUE(drawing->linesWith(kRedPen).empty());
  EXPECT_EQ(drawing->linesWith(kFrame).size(), 5u);
  EXPECT_NE(drawing->surface.findText("400"), nullptr);  // five columns without results
}

TEST(TrajectoryGraph, LeavesTheSurfacesFontAndPenAsItFoundThem) {
  RecordingSurface surface;
  const Font font{"Verdana", 9, 700};
  const Pen pen{PenStyle::Dotted, 3, kWhite};
  surface.setFont(font);
  surface.setPen(pen);
  drawTrajectoryGraph(surface, *crossingAt(431), kResults, 10, 5, 1, 1);
  EXPECT_EQ(surface.font(), font);
  EXPECT_EQ(surface.pen(), pen);
}

}  // namespace
}  // namespace deadhold::testing
