#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "chrono/chrono_series.h"
#include "common/file_reading.h"

namespace deadhold {

// The chronograph file formats; `automatic` tells them apart by their content.
enum class ChronoKind { automatic, labradar, garmin, magnetospeed, plain };

// The kind named "auto", "labradar", "garmin", "magnetospeed" or "plain", as the command line
// takes them.
std::optional<ChronoKind> chronoKindNamed(std::string_view name);

// A file read: the format it was found to be and its series, or why it could not be taken.
struct ChronoFileRead {
  ChronoKind kind = ChronoKind::automatic;
  ChronoSeriesList list;
  // One line naming the file: it could not be read, or it is no chronograph file of `kind`.
  std::string error;
  bool unreadable = false;  // the error is the file's (missing, a folder, too large...)

  bool ok() const { return error.empty(); }
};

// Far more than any chronograph writes: a file beyond it is no chronograph file.
inline constexpr std::uint64_t kChronoFileLimit = 64 * kMebibyte;

ChronoFileRead readChronoFile(const std::filesystem::path& file,
                              ChronoKind kind = ChronoKind::automatic);
// The same on bytes already read; `shownName` names them in the error.
ChronoFileRead readChronoBytes(std::string_view bytes, ChronoKind kind,
                               const std::string& shownName);

}  // namespace deadhold
