#include "printing/page_scale.h"

#include <gtest/gtest.h>

#include "printing/load_list_page.h"

namespace deadhold::testing {
namespace {

TEST(PageScale, TheReportTakesTheRealRatioAndTheListTheWholeOne) {
  // 4800 / 612 = 7.843..., 6300 / 792 = 7.954...
  EXPECT_DOUBLE_EQ(reportScale(4800, 6300), 4800.0 / 612);
  EXPECT_NEAR(reportScale(4800, 6300), 7.843, 0.001);
  EXPECT_EQ(loadListScale(4800, 6300), 7);
  // The height decides when it is the smaller ratio.
  EXPECT_DOUBLE_EQ(reportScale(6120, 3960), 5.0);
  EXPECT_EQ(loadListScale(6120, 3960), 5);
  // Each ratio is cut before they are compared: 4895 / 612 is 7.
  EXPECT_EQ(loadListScale(612 * 8 - 1, 792 * 9), 7);
}

TEST(PageScale, AnAreaSmallerThanTheSheetPrintsAtOne) {
  EXPECT_EQ(reportScale(600, 700), 1.0);
  EXPECT_EQ(loadListScale(600, 700), 1);
  EXPECT_EQ(reportScale(612, 792), 1.0);
  EXPECT_EQ(loadListScale(1223, 1583), 1);
  EXPECT_EQ(reportScale(0, 0), 1.0);
  EXPECT_EQ(loadListScale(-5, 10000), 1);
}

TEST(PageScale, ScaledTermsAreCutEachOnItsOwn) {
  const double s = 4800.0 / 612;
  // L + 20 + 10: 78 + 156 + 78, one unit short of the cut of 40 x s (313).
  EXPECT_EQ(scaled(10, s) + scaled(20, s) + scaled(10, s), 312);
  EXPECT_EQ(scaled(40, s), 313);
  EXPECT_EQ(scaled(-1.5, 2), -3);
  EXPECT_EQ(scaled(-0.7, 1), 0);
}

TEST(LoadListPages, FourteenLoadsToAPage) {
  EXPECT_EQ(loadListPageCount(0), 0);
  EXPECT_EQ(loadListPageCount(1), 1);
  EXPECT_EQ(loadListPageCount(14), 1);
  EXPECT_EQ(loadListPageCount(15), 2);
  EXPECT_EQ(loadListPageCount(28), 2);
  EXPECT_EQ(loadListPageCount(29), 3);
}

}  // namespace
}  // namespace deadhold::testing
