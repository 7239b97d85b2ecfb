#include <gtest/gtest.h>

#include "platform/fitted_text.h"
#include "support/recording_surface.h"

namespace deadhold {
namespace {

using testing::RecordingSurface;

// RecordingSurface: a text is characters x cell height / 2 wide.
class FittedText : public ::testing::Test {
 protected:
  FittedText() { surface.setFont({"Arial", 20, 400}); }
  RecordingSurface surface;
};

TEST_F(FittedText, TextThatFitsIsDrawnAsIs) {
  drawFittedText(surface, 5, 7, "0123456789", 100);  // 100 wide exactly
  ASSERT_EQ(surface.texts().size(), 1u);
  const auto op = surface.texts()[0];
  EXPECT_EQ(op.text, "0123456789");
  EXPECT_EQ(op.x, 5);
  EXPECT_EQ(op.y, 7);
  EXPECT_EQ(op.font.cellHeight, 20);
}

TEST_F(FittedText, SlightlyLongTextShrinksAndStaysCentredOnItsRow) {
  drawFittedText(surface, 0, 10, "0123456789AB", 100);  // 120 at 20; 96 at 16
  const auto op = surface.texts()[0];
  EXPECT_EQ(op.text, "0123456789AB");
  EXPECT_EQ(op.font.cellHeight, 16);
  EXPECT_EQ(op.y, 12);
  EXPECT_EQ(surface.font().cellHeight, 20);  // restored
}

TEST_F(FittedText, FarTooLongTextIsCutWithAnEllipsisWithinTheWidth) {
  const std::string text(60, 'x');
  drawFittedText(surface, 0, 0, text, 100);
  const auto op = surface.texts()[0];
  EXPECT_EQ(op.font.cellHeight, 15);  // no smaller than three quarters
  EXPECT_EQ(op.text, std::string(10, 'x') + "...");  // 13 x 15 / 2 = 97; 14 would be 105
  EXPECT_EQ(surface.font().cellHeight, 20);
}

}  // namespace
}  // namespace deadhold
