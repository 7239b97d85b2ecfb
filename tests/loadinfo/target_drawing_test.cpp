#include "loadinfo/target_drawing.h"

#include <gtest/gtest.h>

#include "loadinfo/target_picture.h"
#include "loads/load_rules.h"
#include "support/recording_surface.h"

namespace deadhold {
namespace {

using testing::drawnBox;
using testing::DrawOp;
using testing::RecordingSurface;

TEST(TargetPicture, CreamBackgroundOrangeBullseyeBlackRingsAndLines) {
  const Image& picture = targetPicture();
  ASSERT_EQ(picture.width, 600);
  ASSERT_EQ(picture.height, 600);
  ASSERT_EQ(picture.pixels.size(), 600u * 600u);
  EXPECT_EQ(picture.at(300, 300), 0xFF6B39u);  // the aim point: the heavy cross is covered
  EXPECT_EQ(picture.at(310, 290), 0xFF6B39u);
  EXPECT_EQ(picture.at(130, 140), 0xF9EEC2u);  // between the rings and the lines
  EXPECT_EQ(picture.at(0, 0), 0xF9EEC2u);
  EXPECT_EQ(picture.at(360, 360), 0u);              // first ring, 85 pixels out on the diagonal
  EXPECT_EQ(picture.at(300 + 131, 300 + 131), 0u);  // second ring, 185 out
  EXPECT_EQ(picture.at(300 + 202, 300 + 202), 0u);  // third ring, 286 out
  EXPECT_EQ(picture.at(300 + 45, 300 + 45), 0xF9EEC2u);  // between the bullseye and a ring
}

TEST(TargetPicture, QuarterInchLinesCrossTheBullseyeButTheHeavyCrossDoesNot) {
  const Image& picture = targetPicture();
  EXPECT_EQ(picture.at(275, 310), 0u);
  EXPECT_EQ(picture.at(310, 325), 0u);
  EXPECT_EQ(picture.at(298, 310), 0xFF6B39u);
  EXPECT_EQ(picture.at(310, 302), 0xFF6B39u);
  // Outside the bullseye the cross is seven columns and six rows wide.
  EXPECT_EQ(picture.at(296, 360), 0xF9EEC2u);
  EXPECT_EQ(picture.at(297, 360), 0u);
  EXPECT_EQ(picture.at(303, 360), 0u);
  EXPECT_EQ(picture.at(304, 360), 0xF9EEC2u);
  EXPECT_EQ(picture.at(360, 296), 0xF9EEC2u);
  EXPECT_EQ(picture.at(360, 297), 0u);
  EXPECT_EQ(picture.at(360, 302), 0u);
  EXPECT_EQ(picture.at(360, 303), 0xF9EEC2u);
}

TEST(TargetPicture, InchLinesAreFourPixelsEndingOnTheInch) {
  const Image& picture = targetPicture();
  EXPECT_EQ(picture.at(96, 140), 0xF9EEC2u);
  for (int x = 97; x <= 100; ++x) EXPECT_EQ(picture.at(x, 140), 0u) << x;
  EXPECT_EQ(picture.at(101, 140), 0xF9EEC2u);
  EXPECT_EQ(picture.at(140, 497), 0u);
  EXPECT_EQ(picture.at(140, 501), 0xF9EEC2u);
  // Quarter-inch lines are one pixel.
  EXPECT_EQ(picture.at(125, 140), 0u);
  EXPECT_EQ(picture.at(124, 140), 0xF9EEC2u);
  EXPECT_EQ(picture.at(126, 140), 0xF9EEC2u);
}

const DrawOp& onlyImage(const RecordingSurface& surface) {
  static const DrawOp none;
  for (const DrawOp& op : surface.ops)
    if (op.kind == DrawOp::Kind::Image) return op;
  ADD_FAILURE() << "no image drawn";
  return none;
}

std::vector<DrawOp> holes(const RecordingSurface& surface) {
  std::vector<DrawOp> result;
  for (const DrawOp& op : surface.ops)
    if (op.kind == DrawOp::Kind::Ellipse) result.push_back(op);
  return result;
}

LoadRecord loadWithShots() {
  LoadRecord load = blankLoadRecord();
  load.shots[0] = {3000.0f, 1.0f, 1.0f, 1.4142f, 1};
  load.shots[1] = {3000.0f, -1.0f, 0.0f, 1.0f, 1};
  load.shots[2] = {3000.0f, 2.0f, 2.0f, 2.828f, 0};  // never placed
  return load;
}

TEST(DrawTarget, LargeTargetDrawsTheTopRowsAtEightyPixelsPerInch) {
  RecordingSurface surface;
  const LoadRecord load = loadWithShots();
  EXPECT_EQ(drawTarget(surface, 152, 0, 0.8f, kNoShotSelected, false, false, &load), 632);
  const DrawOp& image = onlyImage(surface);
  EXPECT_EQ(image.source, (Rect{0, 0, 600, 490}));
  EXPECT_EQ(drawnBox(image), (Rect{152, 0, 632, 392}));

  const auto drawn = holes(surface);
  ASSERT_EQ(drawn.size(), 2u);
  // (1, 1) inches: 80 pixels right of and above the aim point (392, 240); radius 9.6.
  EXPECT_EQ(drawnBox(drawn[0]), (Rect{462, 150, 481, 169}));
  EXPECT_EQ(drawn[0].fill, kWhite);
  EXPECT_EQ(drawnBox(drawn[1]), (Rect{302, 230, 321, 249}));
}

TEST(DrawTarget, SmallTargetIsTheWholePictureAtAFifth) {
  RecordingSurface surface;
  const LoadRecord load = loadWithShots();
  EXPECT_EQ(drawTarget(surface, 320, 250, 0.2f, kNoShotSelected, false, true, &load), 440);
  const DrawOp& image = onlyImage(surface);
  EXPECT_EQ(image.source, (Rect{0, 0, 600, 600}));
  EXPECT_EQ(drawnBox(image), (Rect{320, 250, 440, 370}));
  const auto drawn = holes(surface);
  ASSERT_EQ(drawn.size(), 2u);
  // Centre (400, 290), radius 2.4.
  EXPECT_EQ(drawnBox(drawn[0]), (Rect{397, 287, 402, 292}));
}

TEST(DrawTarget, SelectedShotIsDrawnAgainInRedAndHideLeavesOnlyIt) {
  const LoadRecord load = loadWithShots();
  RecordingSurface surface;
  drawTarget(surface, 152, 0, 0.8f, 1, false, false, &load);
  auto drawn = holes(surface);
  ASSERT_EQ(drawn.size(), 3u);
  EXPECT_EQ(drawn[2].fill, kRed);
  EXPECT_EQ(drawn[2].x, drawn[1].x);

  RecordingSurface hidden;
  drawTarget(hidden, 152, 0, 0.8f, 1, true, false, &load);
  drawn = holes(hidden);
  ASSERT_EQ(drawn.size(), 1u);
  EXPECT_EQ(drawn[0].fill, kRed);

  // Nothing selected, or an unplaced shot selected: no red hole, and none at all when hidden.
  RecordingSurface none;
  drawTarget(none, 152, 0, 0.8f, kNoShotSelected, true, false, &load);
  drawTarget(none, 152, 0, 0.8f, 2, true, false, &load);
  EXPECT_TRUE(holes(none).empty());
}

TEST(DrawTarget, WithoutALoadOnlyThePicture) {
  RecordingSurface surface;
  EXPECT_EQ(drawTarget(surface, 10, 20, 0.5f, kNoShotSelected, false, true, nullptr), 310);
  ASSERT_EQ(surface.ops.size(), 1u);
  EXPECT_EQ(surface.ops[0].kind, DrawOp::Kind::Image);
}

TEST(DrawHole, BoxIsCutTowardZero) {
  RecordingSurface surface;
  drawHole(surface, 0, 0, 0.2f, false);
  drawHole(surface, 100, 50, 0.8f, true);
  ASSERT_EQ(surface.ops.size(), 2u);
  EXPECT_EQ(drawnBox(surface.ops[0]), (Rect{-2, -2, 2, 2}));  // -2.4 cuts to -2, not -3
  EXPECT_EQ(surface.ops[0].fill, kWhite);
  EXPECT_EQ(drawnBox(surface.ops[1]), (Rect{90, 40, 109, 59}));
  EXPECT_EQ(surface.ops[1].fill, kRed);
}

}  // namespace
}  // namespace deadhold
