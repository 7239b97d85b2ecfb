#include "chrono/chrono_readers.h"
#include "common/folded_compare.h"

namespace deadhold {
namespace {

constexpr std::size_t kHeadLines = 30;
constexpr std::size_t kVelocityColumn = 1;  // V0, the speed at the muzzle

bool isKey(const std::vector<std::string>& fields, std::string_view key) {
  return fields.size() >= 2 && equalsFolded(fields[0], key);
}

}  // namespace

std::optional<ChronoReading> readLabRadar(const ChronoText& text) {
  const auto& lines = text.lines();
  char separator = ';';
  if (!lines.empty() && lines[0].size() == 5 && lines[0].starts_with("sep="))
    separator = lines[0][4];

  std::vector<std::string> fields;
  bool recognised = false;
  for (std::size_t i = 0; i < lines.size() && i < kHeadLines && !recognised; ++i) {
    splitFields(lines[i], separator, fields);
    recognised = isKey(fields, "Device ID") || isKey(fields, "Series No");
  }
  if (!recognised) return std::nullopt;

  ChronoReading reading;
  ChronoSeries series{"1", {}};
  SpeedUnit unit = SpeedUnit::feetPerSecond;
  ShotRowCheck rows;
  bool inTable = false;
  for (const std::string_view line : lines) {
    splitFields(line, separator, fields);
    if (!isShotNumber(fields[0])) {
      if (isKey(fields, "Series No") && !fields[1].empty()) series.name = fields[1];
      if (isKey(fields, "Units velocity")) {
        unit = speedUnitNamed(fields[1]);
        if (unit == SpeedUnit::unknown) {
          reading.refusal = "its velocity unit \"" + fields[1] + "\" is neither fps nor m/s";
          return reading;
        }
      }
      if (!inTable) rows.setHeader(fields);
      continue;
    }
    inTable = true;
    if (!rows.complete(fields) || fields.size() <= kVelocityColumn) {
      reading.list.warnings.push_back(
          ShotRowCheck::leftOut(series.name, "the row of shot " + fields[0]));
      continue;
    }
    if (const auto speed = parseSpeed(fields[kVelocityColumn]))
      series.velocities.push_back(toFeetPerSecond(*speed, unit));
  }
  reading.list.series.push_back(std::move(series));
  return reading;
}

}  // namespace deadhold
