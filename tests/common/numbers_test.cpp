#include "common/numbers.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

#include "common/folded_compare.h"

namespace deadhold {
namespace {

TEST(ParseDecimal, ReadsTheLeadingNumberAndANumberTooLargeIsNone) {
  // clang-format off
  const std::pair<const char*, double> cases[] = {
      {"  -12.5e2xyz", -1250}, {"+.5", 0.5}, {"1e", 1}, {"abc", 0}, {"-", 0}, {"inf", 0},
      {"0x1A", 0}, {"1e308", 1e308}, {"1e999", 0}, {"-1e999", 0}, {"1e-999", 0}};
  // clang-format on
  for (const auto& [text, value] : cases) EXPECT_EQ(parseDecimal(text), value) << text;
  const float largest = std::numeric_limits<float>::max();
  const std::pair<const char*, float> stored[] = {
      {"130.5", 130.5f}, {"-3.4028234e38", -largest}, {"1e39", 0.0f}, {"-1e39", 0.0f}};
  for (const auto& [text, value] : stored) EXPECT_EQ(parseStoredDecimal(text), value) << text;
}

TEST(ParseWholeNumber, DropsTheFractionAndSaturatesBeyondTheIntRange) {
  // clang-format off
  const std::pair<const char*, int> cases[] = {
      {"130.7", 130}, {" -42abc", -42}, {"x12", 0}, {"1e5", 1}, {"2147483648", INT_MAX},
      {"-2147483648", INT_MIN}, {"-99999999999999999999", INT_MIN}};
  // clang-format on
  for (const auto& [text, value] : cases) EXPECT_EQ(parseWholeNumber(text), value) << text;
}

TEST(CutToInt, TruncatesTowardZeroAndSaturates) {
  const double infinity = std::numeric_limits<double>::infinity();
  const std::pair<double, int> cases[] = {
      {150.9, 150},         {-150.9, -150},   {2147483648.0, INT_MAX}, {-2147483648.9, INT_MIN},
      {-infinity, INT_MIN}, {std::nan(""), 0}};
  for (const auto& [value, cut] : cases) EXPECT_EQ(cutToInt(value), cut) << value;
}

TEST(CompareFolded, FoldsOnlyAToZAndComparesBytesUnsigned) {
  const std::tuple<const char*, const char*, int> cases[] = {
      {"Sierra", "sierra", 0}, {"_x", "ax", -1}, {"Z", "_", 1},       {".270 1", ".270 W", -1},
      {"ab", "abc", -1},       {"\xe9", "z", 1}, {"\xc9", "\xe9", -1}};
  for (const auto& [a, b, order] : cases) {
    EXPECT_EQ(compareFolded(a, b), order) << a << " / " << b;
    EXPECT_EQ(compareFolded(b, a), -order) << b << " / " << a;
  }
}

}  // namespace
}  // namespace deadhold
