#include <algorithm>

#include "chrono/chrono_readers.h"
#include "common/cformat.h"
#include "common/folded_compare.h"
#include "common/numbers.h"

namespace deadhold {
namespace {

constexpr std::size_t kVelocityColumn = 1;
constexpr std::size_t kUnitColumn = 2;

// "Series,N,Shots:,M" opens a series.
bool opensSeries(const std::vector<std::string>& fields) {
  return fields.size() >= 4 && equalsFolded(fields[0], "Series") &&
         containsFolded(fields[2], "Shots");
}

struct OpenSeries {
  ChronoSeries series;
  std::size_t announced = 0;
};

void closeSeries(std::optional<OpenSeries>& open, ChronoReading& reading) {
  if (!open) return;
  const std::size_t held = open->series.velocities.size();
  if (held < open->announced) {
    reading.list.warnings.push_back(cformat("series %s: %zu shots announced, %zu found",
                                            open->series.name.c_str(), open->announced, held));
  }
  reading.list.series.push_back(std::move(open->series));
  open.reset();
}

}  // namespace

std::optional<ChronoReading> readMagnetoSpeed(const ChronoText& text) {
  std::vector<std::string> fields;
  ChronoReading reading;
  std::optional<OpenSeries> open;
  bool recognised = false;
  for (const std::string_view line : text.lines()) {
    if (line.starts_with("----")) {
      closeSeries(open, reading);
      continue;
    }
    splitFields(line, ',', fields);
    if (opensSeries(fields)) {
      closeSeries(open, reading);
      recognised = true;
      const int announced = std::max(0, parseWholeNumber(fields[3]));
      open = OpenSeries{{fields[1], {}}, static_cast<std::size_t>(announced)};
      continue;
    }
    if (!open || !isShotNumber(fields[0])) continue;
    // Every shot row carries its unit; a row without one was cut short.
    const SpeedUnit unit =
        fields.size() > kUnitColumn ? speedUnitNamed(fields[kUnitColumn]) : SpeedUnit::unknown;
    if (unit == SpeedUnit::unknown) {
      reading.list.warnings.push_back(
          ShotRowCheck::leftOut(open->series.name, "the row of shot " + fields[0]));
      continue;
    }
    if (const auto speed = parseSpeed(fields[kVelocityColumn]))
      open->series.velocities.push_back(toFeetPerSecond(*speed, unit));
  }
  closeSeries(open, reading);
  if (!recognised) return std::nullopt;
  return reading;
}

}  // namespace deadhold
