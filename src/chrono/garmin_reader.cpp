#include "chrono/chrono_readers.h"

namespace deadhold {
namespace {

constexpr std::size_t kHeadLines = 10;

struct SpeedColumn {
  std::size_t line = 0;
  std::size_t column = 0;
  SpeedUnit unit = SpeedUnit::unknown;
  char separator = ',';
};

// The header names its speed column with the unit: "SPEED (FPS)" or "SPEED (MPS)".
std::optional<SpeedColumn> findSpeedColumn(const std::vector<std::string_view>& lines,
                                           std::vector<std::string>& fields) {
  for (std::size_t i = 1; i < lines.size() && i < kHeadLines; ++i) {
    const char separator = tableSeparator(lines[i]);
    splitFields(lines[i], separator, fields);
    for (std::size_t c = 0; c < fields.size(); ++c) {
      const SpeedUnit unit = speedUnitNamed(fields[c]);
      if (containsFolded(fields[c], "speed") && unit != SpeedUnit::unknown)
        return SpeedColumn{i, c, unit, separator};
    }
  }
  return std::nullopt;
}

}  // namespace

std::optional<ChronoReading> readGarmin(const ChronoText& text) {
  const auto& lines = text.lines();
  std::vector<std::string> fields;
  const auto speed = findSpeedColumn(lines, fields);
  if (!speed) return std::nullopt;
  ShotRowCheck rows;
  rows.setHeader(fields);

  ChronoSeries series;
  splitFields(lines[0], tableSeparator(lines[0]), fields);
  series.name = fields[0].empty() ? "1" : fields[0];
  ChronoReading reading;
  // Summary rows (averages, spread, the date) follow the shots; only numbered rows are shots.
  for (std::size_t i = speed->line + 1; i < lines.size(); ++i) {
    splitFields(lines[i], speed->separator, fields);
    if (!isShotNumber(fields[0])) continue;
    if (!rows.complete(fields) || fields.size() <= speed->column) {
      reading.list.warnings.push_back(
          ShotRowCheck::leftOut(series.name, "the row of shot " + fields[0]));
      continue;
    }
    if (const auto value = parseSpeed(fields[speed->column]))
      series.velocities.push_back(toFeetPerSecond(*value, speed->unit));
  }
  reading.list.series.push_back(std::move(series));
  return reading;
}

}  // namespace deadhold
