#include <algorithm>

#include "chrono/chrono_readers.h"

namespace deadhold {
namespace {

constexpr std::size_t kHeadLines = 30;
constexpr std::size_t kNone = static_cast<std::size_t>(-1);

// One speed on every line that is not blank (ProChrono's plain export, a hand-made list).
std::optional<ChronoReading> readOnePerLine(const ChronoText& text) {
  ChronoSeries series{"1", {}};
  for (const std::string_view line : text.lines()) {
    if (line.find_first_not_of(" \t") == std::string_view::npos) continue;
    const auto speed = parseSpeed(line);
    if (!speed) return std::nullopt;
    series.velocities.push_back(*speed);
  }
  if (series.velocities.empty()) return std::nullopt;
  ChronoReading reading;
  reading.list.series.push_back(std::move(series));
  return reading;
}

// The columns a velocity table's header names.
struct Columns {
  std::size_t line = 0;
  char separator = ',';
  std::size_t velocity = kNone;
  std::size_t unit = kNone;    // a column of per-shot units
  std::size_t series = kNone;  // a column naming each shot's string
  SpeedUnit headerUnit = SpeedUnit::feetPerSecond;
};

std::optional<Columns> findColumns(const std::vector<std::string_view>& lines,
                                   std::vector<std::string>& fields) {
  for (std::size_t i = 0; i < lines.size() && i < kHeadLines; ++i) {
    Columns columns;
    columns.line = i;
    columns.separator = tableSeparator(lines[i]);
    splitFields(lines[i], columns.separator, fields);
    for (std::size_t c = 0; c < fields.size(); ++c) {
      const std::string& name = fields[c];
      if (columns.velocity == kNone &&
          (containsFolded(name, "vel") || containsFolded(name, "speed"))) {
        columns.velocity = c;
        const SpeedUnit named = speedUnitNamed(name);
        if (named != SpeedUnit::unknown) columns.headerUnit = named;
      } else if (columns.unit == kNone && containsFolded(name, "unit")) {
        columns.unit = c;
      } else if (columns.series == kNone &&
                 (containsFolded(name, "string") || containsFolded(name, "series") ||
                  containsFolded(name, "list"))) {
        columns.series = c;
      }
    }
    if (columns.velocity != kNone) return columns;
  }
  return std::nullopt;
}

ChronoSeries& seriesNamed(std::vector<ChronoSeries>& all, const std::string& name) {
  if (!all.empty() && all.back().name == name) return all.back();  // rows come string by string
  const auto found =
      std::find_if(all.begin(), all.end(), [&](const ChronoSeries& s) { return s.name == name; });
  if (found != all.end()) return *found;
  return all.emplace_back(ChronoSeries{name, {}});
}

std::optional<ChronoReading> readTable(const ChronoText& text) {
  const auto& lines = text.lines();
  std::vector<std::string> fields;
  const auto columns = findColumns(lines, fields);
  if (!columns) return std::nullopt;
  ShotRowCheck rows;
  rows.setHeader(fields);

  ChronoReading reading;
  auto& all = reading.list.series;
  for (std::size_t i = columns->line + 1; i < lines.size(); ++i) {
    splitFields(lines[i], columns->separator, fields);
    if (fields.size() <= columns->velocity) continue;
    const auto speed = parseSpeed(fields[columns->velocity]);
    if (!speed) continue;  // a blank or summary row
    const std::string name = columns->series < fields.size() && !fields[columns->series].empty()
                                 ? fields[columns->series]
                                 : "1";
    if (!rows.complete(fields)) {
      reading.list.warnings.push_back(ShotRowCheck::leftOut(name, "line " + std::to_string(i + 1)));
      continue;
    }
    SpeedUnit unit = columns->headerUnit;
    if (columns->unit < fields.size() && !fields[columns->unit].empty()) {
      unit = speedUnitNamed(fields[columns->unit]);
      if (unit == SpeedUnit::unknown) {
        reading.refusal = "its unit \"" + fields[columns->unit] + "\" is neither fps nor m/s";
        return reading;
      }
    }
    seriesNamed(all, name).velocities.push_back(toFeetPerSecond(*speed, unit));
  }
  if (all.empty()) return std::nullopt;
  return reading;
}

}  // namespace

std::optional<ChronoReading> readPlainVelocities(const ChronoText& text) {
  if (auto reading = readOnePerLine(text)) return reading;
  return readTable(text);
}

}  // namespace deadhold
