#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "common/file_error.h"
#include "common/large_buffer.h"

namespace deadhold {

inline constexpr std::uint64_t kMebibyte = 1024 * 1024;

enum class FileOutcome { Read, Missing, Refused, TooLarge };

// A whole file as every reader of the program takes it in: a regular file only (never a folder,
// a pipe or a device), no larger than the reader's limit, read through to its end with any
// error on the way reported rather than taken for the end of the file.
template <class Bytes>
struct WholeFile {
  using Outcome = FileOutcome;
  Outcome outcome = Outcome::Read;
  Bytes bytes;         // the whole file when read
  std::string reason;  // why not, for every other outcome ("No such file or directory")
};

using FileContents = WholeFile<std::string>;
FileContents readWholeFile(const std::filesystem::path& file, std::uint64_t sizeLimit);
// The same for a file that may run to many megabytes: the load book.
WholeFile<LargeBuffer> readLargeFile(const std::filesystem::path& file, std::uint64_t sizeLimit);

// "Could not read FILE: reason".
FileError readError(const std::filesystem::path& file, const std::string& reason);

}  // namespace deadhold
