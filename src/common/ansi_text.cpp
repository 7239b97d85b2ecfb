#include "common/ansi_text.h"

#include <array>
#include <cstdint>

namespace deadhold {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

// What 0x80 to 0x9F stand for; the rest of the code page is Latin-1.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC,       kReplacement, 0x201A, 0x0192, 0x201E, 0x2026,       0x2020, 0x2021,
    0x02C6,       0x2030,       0x0160, 0x2039, 0x0152, kReplacement, 0x017D, kReplacement,
    kReplacement, 0x2018,       0x2019, 0x201C, 0x201D, 0x2022,       0x2013, 0x2014,
    0x02DC,       0x2122,       0x0161, 0x203A, 0x0153, kReplacement, 0x017E, 0x0178};

char32_t decodeByte(unsigned char byte) {
  return byte >= 0x80 && byte < 0xA0 ? kHighControls[byte - 0x80] : byte;
}

void appendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

char encodeCharacter(char32_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
  for (std::size_t i = 0; i < kHighControls.size(); ++i)
    if (kHighControls[i] == c && c != kReplacement) return static_cast<char>(0x80 + i);
  return '?';
}

// The next character of a UTF-8 text, or nothing (and one byte consumed) for a broken sequence.
bool nextCharacter(std::string_view text, std::size_t& at, char32_t& c) {
  const auto byte = static_cast<unsigned char>(text[at]);
  std::size_t length = byte < 0x80           ? 1
                       : (byte >> 5) == 0x6  ? 2
                       : (byte >> 4) == 0xE  ? 3
                       : (byte >> 3) == 0x1E ? 4
                                             : 0;
  if (length == 0 || at + length > text.size()) {
    ++at;
    return false;
  }
  c = length == 1 ? byte : byte & (0x7F >> length);
  for (std::size_t i = 1; i < length; ++i) {
    const auto next = static_cast<unsigned char>(text[at + i]);
    if ((next & 0xC0) != 0x80) {
      ++at;
      return false;
    }
    c = (c << 6) | (next & 0x3F);
  }
  // An overlong form hides a character behind more bytes than it needs: broken too.
  constexpr std::array<char32_t, 5> kSmallest = {0, 0, 0x80, 0x800, 0x10000};
  if (c < kSmallest[length]) {
    ++at;
    return false;
  }
  at += length;
  return true;
}

}  // namespace

void appendAnsiAsUtf8(std::string& out, std::string_view ansi) {
  for (const char byte : ansi) {
    // Plain ASCII, nearly every byte of a record, needs no decoding.
    if (static_cast<unsigned char>(byte) < 0x80)
      out += byte;
    else
      appendUtf8(out, decodeByte(static_cast<unsigned char>(byte)));
  }
}

std::string ansiToUtf8(std::string_view ansi) {
  std::string out;
  out.reserve(ansi.size());
  appendAnsiAsUtf8(out, ansi);
  return out;
}

std::string utf8ToAnsi(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t at = 0; at < utf8.size();) {
    char32_t c = 0;
    out += nextCharacter(utf8, at, c) ? encodeCharacter(c) : '?';
  }
  return out;
}

}  // namespace deadhold
