#include "chrono/chrono_file.h"

#include <array>

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
    {ChronoKind::plain, "plain",
     "a list of velocities (one per line, or a CSV with a column "
     "headed \"velocity\" or \"speed\")",
     readPlainVelocities},
}};

constexpr const char* kExpected =
    "expected a LabRadar series report, a Garmin Xero C1 CSV, a MagnetoSpeed LOG.CSV, or "
    "velocities one per line (or a CSV with a column headed \"velocity\" or \"speed\")";

}  // namespace

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
      read.error =
          "Could not read " + shownName + " as " + format.description + ": " + reading->refusal;
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
  const FileContents contents = readWholeFile(file, kChronoFileLimit);
  if (contents.outcome != FileContents::Outcome::Read) {
    ChronoFileRead read;
    read.error = readError(file, contents.reason).message;
    read.unreadable = true;
    return read;
  }
  return readChronoBytes(contents.bytes, kind, file.string());
}

}  // namespace deadhold
