#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>

#include "common/file_reading.h"

namespace deadhold {

// A catalogue field holds at most this many characters; a longer one is cut, and the rest of it
// skipped, so that the fields after it still land in their places.
inline constexpr std::size_t kComponentFieldLimit = 63;

// Far beyond any catalogue kept by hand (tens of thousands of lines make a megabyte or two).
inline constexpr std::uint64_t kCatalogueSizeLimit = 64 * kMebibyte;

// The whole catalogue file as raw bytes, followed by at least one zero byte that ends the text
// (an earlier zero byte in the file ends it there). Nothing when the file cannot be read (missing,
// no regular file, larger than the limit, a read error); `whyNot`, when given, then says why.
std::optional<std::string> readComponentFile(const std::filesystem::path& file,
                                             std::string* whyNot = nullptr);

// Reads the next field of a catalogue text that ends in a zero byte, starting at `position`.
// Separators (TAB, CR, LF) are skipped, and a ";" met while skipping skips the rest of its line.
// Returns the position of the character that ended the field (TAB, CR, LF, ";" or the zero byte),
// so that the next call starts on it; at the end of the text it returns the position of the zero
// byte and leaves `field` unchanged.
std::size_t nextToken(const std::string& text, std::size_t position, std::string& field);

}  // namespace deadhold
