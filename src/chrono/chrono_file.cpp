#include "chrono/chrono_file.h"

#include <sys/stat.h>

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "chrono/chrono_readers.h"

namespace deadhold {
namespace {

using Reader = std::optional<ChronoReading> (*)(const ChronoText&);

struct Format {
  ChronoKind kind;
  const char* name;
  const char* description;
  Reader read;
};

// In the order they are tried: the plain reader takes almost any list of numbers, so it comes
// last.
constexpr std::array<Format, 4> kFormats = {{
    {ChronoKind::labradar, "labradar", "a LabRadar series report", readLabRadar},
    {ChronoKind::magnetospeed, "magnetospeed", "a MagnetoSpeed LOG.CSV", readMagnetoSpeed},
    {ChronoKind::garmin, "garmin", "a Garmin Xero C1 CSV", readGarmin},
    {ChronoKind::plain, "plain", "a list of velocities (one per line, or a CSV with a column "
                                 "headed \"velocity\" or \"speed\")",
     readPlainVelocities},
}};

constexpr const char* kExpected =
    "expected a LabRadar series report, a Garmin Xero C1 CSV, a MagnetoSpeed LOG.CSV, or "
    "velocities one per line (or a CSV with a column headed \"velocity\" or \"speed\")";

// The whole file, or why not. Only a regular file of sensible size is taken.
std::optional<std::string> readWholeFile(const std::filesystem::path& file, std::string& reason) {
  struct stat info {};
  if (::stat(file.c_str(), &info) != 0) {
    reason = std::strerror(errno);
    return std::nullopt;
  }
  if (S_ISDIR(info.st_mode)) {
    reason = std::strerror(EISDIR);
    return std::nullopt;
  }
  if (!S_ISREG(info.st_mode)) {
    reason = "not a regular file";
    return std::nullopt;
  }
  if (static_cast<std::size_t>(info.st_size) > kChronoFileLimit) {
    reason = "larger than 64 MB, too large for a chronograph file";
    return std::nullopt;
  }
  std::FILE* stream = std::fopen(file.c_str(), "rb");
  if (stream == nullptr) {
    reason = std::strerror(errno);
    return std::nullopt;
  }
  std::string bytes(static_cast<std::size_t>(info.st_size), '\0');
  bytes.resize(std::fread(bytes.data(), 1, bytes.size(), stream));
  const bool failed = std::ferror(stream) != 0;
  std::fclose(stream);
  if (failed) {
    reason = std::strerror(EIO);
    return std::nullopt;
  }
  return bytes;
}

}  // namespace

const char* chronoKindName(ChronoKind kind) {
  for (const Format& format : kFormats)
    if (format.kind == kind) return format.name;
  return "auto";
}

std::optional<ChronoKind> chronoKindNamed(std::string_view name) {
  if (name == "auto") return ChronoKind::automatic;
  for (const Format& format : kFormats)
    if (name == format.name) return format.kind;
  return std::nullopt;
}

ChronoFileRead readChronoBytes(std::string_view bytes, ChronoKind kind,
                               const std::string& shownName) {
  const ChronoText text(bytes);
  ChronoFileRead read;
  for (const Format& format : kFormats) {
    if (kind != ChronoKind::automatic && kind != format.kind) continue;
    std::optional<ChronoReading> reading = format.read(text);
    if (!reading) continue;
    read.kind = format.kind;
    if (!reading->refusal.empty()) {
      read.error = "Could not read " + shownName + " as " + format.description + ": " +
                   reading->refusal;
    }
    read.list = std::move(reading->list);
    return read;
  }
  if (kind == ChronoKind::automatic) {
    read.error = shownName + " is not a chronograph file Deadhold can read: " + kExpected;
  } else {
    for (const Format& format : kFormats)
      if (format.kind == kind) read.error = shownName + " is not " + format.description;
  }
  return read;
}

ChronoFileRead readChronoFile(const std::filesystem::path& file, ChronoKind kind) {
  std::string reason;
  const std::optional<std::string> bytes = readWholeFile(file, reason);
  if (!bytes) {
    ChronoFileRead read;
    read.error = "Could not read " + file.string() + ": " + reason;
    read.unreadable = true;
    return read;
  }
  return readChronoBytes(*bytes, kind, file.string());
}

}  // namespace deadhold
