#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>

namespace deadhold {

// A catalogue field holds at most this many characters; a longer one is cut, and the rest of it
// skipped, so that the fields after it still land in their places.
inline constexpr std::size_t kComponentFieldLimit = 63;

// The whole catalogue file as raw bytes, followed by at least one zero byte that ends the text
// (an earlier zero byte in the file ends it there). Nothing when the file cannot be read.
std::optional<std::string> readComponentFile(const std::filesystem::path& file);

// Reads the next field of a catalogue text that ends in a zero byte, starting at `position`.
// Separators (TAB, CR, LF) are skipped, and a ";" met while skipping skips the rest of its line.
// Returns the position of the character that ended the field (TAB, CR, LF, ";" or the zero byte),
// so that the next call starts on it; at the end of the text it returns the position of the zero
// byte and leaves `field` unchanged.
std::size_t nextToken(const std::string& text, std::size_t position, std::string& field);

}  // namespace deadhold
