#include "common/fixed_notation.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <random>
#include <string>

namespace deadhold {
namespace {

std::string fixed(double value, int decimals) {
  char text[kFixedTextCapacity];
  return {text, writeFixed(text, value, decimals)};
}

TEST(FixedNotation, RoundsTheBinaryValueTiesToEven) {
  EXPECT_EQ(fixed(0.125, 2), "0.12");
  EXPECT_EQ(fixed(0.375, 2), "0.38");
  EXPECT_EQ(fixed(2.5, 0), "2");
  EXPECT_EQ(fixed(2.675, 2), "2.67");  // just below 2.675 in binary
  EXPECT_EQ(fixed(-0.001, 2), "-0.00");
  EXPECT_EQ(fixed(-0.0, 3), "-0.000");
  EXPECT_EQ(fixed(4503599627370495.5, 0), "4503599627370496");
  EXPECT_EQ(fixed(1e20, 1), "100000000000000000000.0");
  EXPECT_EQ(fixed(-INFINITY, 2), "-inf");
}

// The C library's "%.Nf" is the reference. Ties (odd multiples of 2^-(N+1)) and their
// neighbours, every one below 2^12 and a sample above; whole random bit patterns; and values of
// every size the program shows.
TEST(FixedNotation, MatchesPrintfOnEveryTieBelow4096AndASeededSweep) {
  std::mt19937_64 random(16);
  long compared = 0;
  std::string mismatches;
  const auto check = [&](double value, int decimals) {
    char expected[400];
    std::snprintf(expected, sizeof expected, "%.*f", decimals, value);
    const std::string written = fixed(value, decimals);
    ++compared;
    if (written != expected && mismatches.size() < 500)
      mismatches += std::string(expected) + " written as " + written + "\n";
  };
  for (int decimals = 0; decimals <= 3; ++decimals) {
    const double step = std::ldexp(1.0, -(decimals + 1));
    const auto checkTie = [&](double tie) {
      for (double value : {tie, std::nextafter(tie, 0.0), std::nextafter(tie, INFINITY)})
        for (double sign : {1.0, -1.0}) check(sign * value, decimals);
    };
    for (double tie = step; tie < 4096; tie += 2 * step) checkTie(tie);
    for (int i = 0; i < 50'000; ++i)
      checkTie(static_cast<double>(random() >> random() % 64 | 1) * step);
    for (int i = 0; i < 20'000; ++i) check(std::bit_cast<double>(random()), decimals);
    for (int i = 0; i < 200'000; ++i) {
      const double size = std::exp2(static_cast<double>(random() % 40));
      check((static_cast<double>(random()) * 0x1p-64 - 0.5) * size, decimals);
    }
  }
  EXPECT_EQ(mismatches, "");
  EXPECT_EQ(compared, 2'448'640);
}

}  // namespace
}  // namespace deadhold
