#include "loads/load_book_file.h"

#include <algorithm>
#include <cstring>

#include "common/native_file.h"
#include "common/path_text.h"

namespace deadhold {
namespace {

constexpr std::string_view kBookStart("\x01\x00\x00\x00", 4);
constexpr int kSetAsideAttempts = 100;

}  // namespace

bool isLoadBook(std::string_view fileBytes) {
  const std::size_t present = std::min(fileBytes.size(), kBookStart.size());
  return fileBytes.substr(0, present) == kBookStart.substr(0, present);
}

std::string encodeHeader(const DatabaseHeader& header) {
  std::string bytes(kDatabaseHeaderSize, '\0');
  std::memcpy(bytes.data(), &header.format, 2);
  std::memcpy(bytes.data() + 2, &header.reserved, 2);
  std::memcpy(bytes.data() + 4, &header.count, 4);
  std::memcpy(bytes.data() + 8, &header.currentIndex, 4);
  return bytes;
}

DatabaseHeader decodeHeader(std::string_view fileBytes, const DatabaseHeader& previous) {
  std::string bytes = encodeHeader(previous);
  fileBytes.copy(bytes.data(), kDatabaseHeaderSize);
  DatabaseHeader header;
  std::memcpy(&header.format, bytes.data(), 2);
  std::memcpy(&header.reserved, bytes.data() + 2, 2);
  std::memcpy(&header.count, bytes.data() + 4, 4);
  std::memcpy(&header.currentIndex, bytes.data() + 8, 4);
  return header;
}

std::filesystem::path backupFileOf(const std::filesystem::path& book) {
  std::filesystem::path backup = book;
  backup.replace_extension(".BAK");
  if (backup == book) backup += ".BAK";
  return backup;
}

SetAsideOutcome setFileAside(const std::filesystem::path& file) {
  std::filesystem::path stem = file;
  stem += ".not-a-load-book";
  for (int attempt = 1; attempt <= kSetAsideAttempts; ++attempt) {
    std::filesystem::path candidate = stem;
    if (attempt > 1) {
      candidate += "-";
      candidate += std::to_string(attempt);
    }
    native::FileStatus status;
    if (const auto error = native::inspect(candidate, status))
      return {{}, FileError{"Could not set " + pathText(file) + " aside: " + error.message()}};
    if (status.kind != native::FileKind::Missing) continue;
    if (const auto error = native::replace(file, candidate))
      return {{}, FileError{"Could not set " + pathText(file) + " aside: " + error.message()}};
    return {candidate, std::nullopt};
  }
  return {{}, FileError{"Could not set " + pathText(file) + " aside: every free name is taken"}};
}

}  // namespace deadhold
