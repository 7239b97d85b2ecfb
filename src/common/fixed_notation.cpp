#include "common/fixed_notation.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>

namespace deadhold {
namespace {

// 10^0 to 10^19; a scaled value stays below 2^63, which has 19 digits.
constexpr auto kPowersOfTen = [] {
  std::array<std::uint64_t, 20> powers{1};
  for (std::size_t i = 1; i < powers.size(); ++i) powers[i] = powers[i - 1] * 10;
  return powers;
}();

// |value|·10^decimals rounded to a whole number, half to even, worked out from the exact binary
// value in integers. Nothing for values of 2^53 and beyond (no fraction left to round, and the
// product would not fit) and for infinities and NaN.
bool roundScaled(double value, int decimals, std::uint64_t& scaled) {
  const auto bits = std::bit_cast<std::uint64_t>(value);
  const int biasedExponent = static_cast<int>(bits >> 52 & 0x7ff);
  if (biasedExponent >= 1075) return false;  // 2^53 and beyond, infinities, NaN
  std::uint64_t significand = bits & ((std::uint64_t{1} << 52) - 1);
  int shift = 1074;  // |value| = significand / 2^shift
  if (biasedExponent != 0) {
    significand |= std::uint64_t{1} << 52;
    shift = 1075 - biasedExponent;
  }
  const std::uint64_t product = significand * kPowersOfTen[decimals];  // below 2^63
  if (shift == 0) {
    scaled = product;
  } else if (shift >= 64) {
    scaled = 0;  // product < 2^63 <= half a unit
  } else {
    const std::uint64_t whole = product >> shift;
    const std::uint64_t rest = product & ((std::uint64_t{1} << shift) - 1);
    const std::uint64_t half = std::uint64_t{1} << (shift - 1);
    scaled = whole + (rest > half || (rest == half && whole % 2 == 1) ? 1 : 0);
  }
  return true;
}

}  // namespace

std::size_t writeFixed(char* out, double value, int decimals) {
  std::uint64_t scaled = 0;
  if (decimals < 0 || decimals > 3 || !roundScaled(value, decimals, scaled)) {
    // Huge and non-finite values, none of which rounds to zero.
    const int length = std::snprintf(out, kFixedTextCapacity, "%.*f", decimals, value);
    return static_cast<std::size_t>(std::clamp(length, 0, int{kFixedTextCapacity} - 1));
  }
  int digits = decimals + 1;  // a digit before the point at least
  while (digits < 19 && scaled >= kPowersOfTen[digits]) ++digits;

  char* next = out;
  if (std::signbit(value)) *next++ = '-';
  char* const end = next + digits + (decimals > 0 ? 1 : 0);
  next = end;  // the digits are written from the last one back
  for (int i = 0; i < digits; ++i, scaled /= 10) {
    if (i == decimals && decimals > 0) *--next = '.';
    *--next = static_cast<char>('0' + scaled % 10);
  }
  return static_cast<std::size_t>(end - out);
}

}  // namespace deadhold
