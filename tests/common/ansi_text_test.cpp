#include "common/ansi_text.h"

#include <gtest/gtest.h>

namespace deadhold {
namespace {

TEST(AnsiText, DecodesTheWindowsCodePage) {
  EXPECT_EQ(ansiToUtf8(
                "Caf\xE9 \xAE \x80 \x82 \x85 \x8A \x8C \x91\x92 \x93\x94 \x95 \x96 \x97 \x99 \x9F"),
            "Café ® € ‚ … Š Œ ‘’ “” • – — ™ Ÿ");
  EXPECT_EQ(ansiToUtf8("\x81\x8D\x8F\x90\x9D"), "\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD");
  for (int byte = 0; byte < 256; ++byte) {
    const std::string ansi(1, static_cast<char>(byte));
    const bool undefined =
        byte == 0x81 || byte == 0x8D || byte == 0x8F || byte == 0x90 || byte == 0x9D;
    EXPECT_EQ(utf8ToAnsi(ansiToUtf8(ansi)), undefined ? "?" : ansi) << byte;
  }
}

TEST(AnsiText, WhatTheCodePageCannotHoldBecomesAQuestionMark) {
  const struct {
    std::string utf8;
    std::string ansi;
  } cases[] = {
      {"€ 12 – Elk™", "\x80 12 \x96 Elk\x99"},
      {"ł → 🦌 \uFFFD", "? ? ? ?"},
      {"\xC3", "?"},                        // cut short
      {"\xE2\x82x", "??x"},                 // a continuation byte missing
      {"\xC0\x80 \xE0\x82\xAC", "?? ???"},  // overlong forms of NUL and the euro sign
      {"\x80\xBF", "??"},                   // continuation bytes alone
  };
  for (const auto& c : cases) EXPECT_EQ(utf8ToAnsi(c.utf8), c.ansi) << c.utf8;
}

}  // namespace
}  // namespace deadhold
