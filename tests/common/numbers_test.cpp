#include "common/numbers.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

#include "common/folded_compare.h"

namespace deadhold {
namespace {

TEST(ParseDecimal, ReadsTheLeadingNumberAndNothingElse) {
  const struct {
    const char* text;
    double value;
  } cases[] = {
      {"  -12.5e2xyz", -1250},  {"+.5", 0.5},     {"7.", 7},       {"1e", 1},
      {"1e+", 1},               {"abc", 0},       {"", 0},         {"-", 0},
      {".", 0},                 {"inf", 0},       {"nan", 0},      {"0x1A", 0},
      {"1e308", 1e308},         {"1e999", 0},     {"-1e999", 0},   {"1e-999", 0},
      {"2.5e-320", 2.5e-320},   {"\t\n 3", 3},
  };
  for (const auto& c : cases) EXPECT_EQ(parseDecimal(c.text), c.value) << c.text;
}

TEST(ParseStoredDecimal, ANumberBeyondTheFloatRangeIsNoNumber) {
  const float largest = std::numeric_limits<float>::max();
  const struct {
    const char* text;
    float value;
  } cases[] = {
      {"130.5", 130.5f}, {"3.4028234e38", largest}, {"-3.4028234e38", -largest},
      {"1e39", 0.0f},    {"-1e39", 0.0f},           {"1e999", 0.0f},
      {"1e-50", 0.0f},   {"junk", 0.0f},
  };
  for (const auto& c : cases) {
    const float value = parseStoredDecimal(c.text);
    EXPECT_EQ(value, c.value) << c.text;
    EXPECT_TRUE(std::isfinite(value)) << c.text;
  }
}

TEST(ParseWholeNumber, DropsTheFractionAndSaturatesBeyondTheIntRange) {
  const struct {
    const char* text;
    int value;
  } cases[] = {
      {"130.7", 130},         {" -42abc", -42},       {"+7", 7},
      {"x12", 0},             {"", 0},                {"-", 0},
      {"1e5", 1},             {"2147483647", INT_MAX}, {"2147483648", INT_MAX},
      {"-2147483648", INT_MIN}, {"-2147483649", INT_MIN},
      {"99999999999999999999999", INT_MAX}, {"-99999999999999999999999", INT_MIN},
  };
  for (const auto& c : cases) EXPECT_EQ(parseWholeNumber(c.text), c.value) << c.text;
}

TEST(CutToInt, TruncatesTowardZeroAndSaturates) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double infinity = std::numeric_limits<double>::infinity();
  const struct {
    double value;
    int cut;
  } cases[] = {
      {150.9, 150},          {-150.9, -150},        {0.999, 0},           {-0.5, 0},
      {2147483647.9, INT_MAX}, {2147483648.0, INT_MAX}, {-2147483648.9, INT_MIN},
      {-2147483649.0, INT_MIN}, {infinity, INT_MAX},  {-infinity, INT_MIN}, {nan, 0},
  };
  for (const auto& c : cases) EXPECT_EQ(cutToInt(c.value), c.cut) << c.value;
}

TEST(CompareFolded, FoldsOnlyAToZAndComparesBytesUnsigned) {
  const struct {
    const char* a;
    const char* b;
    int order;
  } cases[] = {
      {"Sierra", "sierra", 0},     {"abc", "ABD", -1},        {"_x", "ax", -1},
      {"Z", "_", 1},               {".270 1", ".270 W", -1},  {"150", "55", -1},
      {"ab", "abc", -1},           {"", "", 0},               {"\xe9", "z", 1},
      {"\xc9", "\xe9", -1},         {"a", "", 1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(compareFolded(c.a, c.b), c.order) << c.a << " / " << c.b;
    EXPECT_EQ(compareFolded(c.b, c.a), -c.order) << c.b << " / " << c.a;
  }
  EXPECT_TRUE(equalsFolded(".270 WIN", ".270 win"));
}

}  // namespace
}  // namespace deadhold
