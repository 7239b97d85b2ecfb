#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "common/file_error.h"
#include "common/file_reading.h"

namespace deadhold {

// The 12-byte head of RELOADER.DAT, kept between reading and writing.
struct DatabaseHeader {
  std::uint16_t format = 0;    // 1 when written
  std::uint16_t reserved = 0;  // 0 when written
  std::int32_t count = 0;      // records that follow
  std::int32_t currentIndex = 0;  // position of the current load, -1 for none
};
inline constexpr std::size_t kDatabaseHeaderSize = 12;

// Ten times the largest book anyone keeps by hand: almost a million loads.
inline constexpr std::uint64_t kLoadBookSizeLimit = 1024 * kMebibyte;

// The one rule that tells a load book from any other file, for the program and the command line
// alike: every book ever written begins with the format word 1 and the reserved word 0, whatever
// its count and however short its last record. An empty file is an empty book.
bool isLoadBook(std::string_view fileBytes);

// The header's bytes as the file holds them, and back. Decoding takes only the bytes present
// and keeps the rest of `previous`.
std::string encodeHeader(const DatabaseHeader& header);
DatabaseHeader decodeHeader(std::string_view fileBytes, const DatabaseHeader& previous);

// Where the book as it was before a session changed it is kept: RELOADER.BAK beside
// RELOADER.DAT.
std::filesystem::path backupFileOf(const std::filesystem::path& book);

// Renames a file that is no load book to a free name beside it ("RELOADER.DAT.not-a-load-book",
// then "-2", "-3" ...), so that a new book can take its place. Returns the new name, or the
// reason it could not be moved.
struct SetAsideOutcome {
  std::filesystem::path keptAs;
  std::optional<FileError> error;
};
SetAsideOutcome setFileAside(const std::filesystem::path& file);

}  // namespace deadhold
