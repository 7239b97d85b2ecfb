#include "ballistics/range_list_format.h"

#include <numeric>

#include "common/fixed_notation.h"

namespace deadhold {

// clang-format off
const std::array<RangeListColumn, kRangeListColumnCount> kRangeListColumns{{
    {"Range", 50, 0, " yds"},
    {"Elevation", 60, 2, " in"},
    {"Velocity ", 55, 0, " fps"},
    {"Energy", 56, 0, " fpe"},
    {"ETA", 60, 3, " sec"},
    {"Total Drop", 65, 2, " in"},
    {"Max Y", 48, 2, " in"},
    {"Wind Def (10 mph)", 110, 2, " in"},
    {"5 mph Lead", 80, 2, " ft"},
    {"10 mph Lead", 80, 2, " ft"},
    {"15 mph Lead", 80, 2, " ft"},
    {"20 mph Lead", 80, 2, " ft"},
    {"25 mph Lead", 80, 2, " ft"},
    {"30 mph Lead", 80, 2, " ft"},
    {"35 mph Lead", 80, 2, " ft"},
    {"40 mph Lead", 80, 2, " ft"},
    {"45 mph Lead", 80, 2, " ft"},
    {"50 mph Lead", 80, 2, " ft"},
    {"55 mph Lead", 80, 2, " ft"},
    {"60 mph Lead", 80, 2, " ft"},
}};
// clang-format on

namespace {

std::array<double, kRangeListColumnCount> fieldsInColumnOrder(const TrajectoryPoint& point) {
  std::array<double, kRangeListColumnCount> fields{
      point.range, point.elevation, point.velocity, point.energy,
      point.time,  point.drop,      point.maxY,     point.windDeflection};
  for (int k = 0; k < kLeadCount; ++k) fields[8 + k] = point.lead[k];
  return fields;
}

// Overwrites the texts in place, so that texts listed before lend their storage.
void writeCells(const TrajectoryPoint& point, RangeListCells& cells) {
  const auto fields = fieldsInColumnOrder(point);
  std::array<char, kFixedTextCapacity + 4> text;  // the number and its unit
  for (int column = 0; column < kRangeListColumnCount; ++column) {
    const RangeListColumn& format = kRangeListColumns[column];
    std::size_t length = writeFixed(text.data(), fields[column], format.decimals);
    length += format.unit.copy(text.data() + length, format.unit.size());
    cells[column].assign(text.data(), length);
  }
}

}  // namespace

RangeListCells rangeListCells(const TrajectoryPoint& point) {
  RangeListCells cells;
  writeCells(point, cells);
  return cells;
}

void clampListedTime(TrajectoryPoint& point) {
  if (point.time < 0) point.time = 0;
}

void listRangeRows(TrajectoryTable& table, int increment, std::vector<RangeListCells>& rows) {
  if (increment < 1) {
    rows.clear();
    return;
  }
  rows.resize(static_cast<std::size_t>((kTableRows - 1) / std::lcm(5, increment) + 1));
  auto row = rows.begin();
  for (int yard = 0; yard < kTableRows; yard += 5) {
    if (yard % increment != 0) continue;
    clampListedTime(table[yard]);
    writeCells(table[yard], *row++);
  }
}

}  // namespace deadhold
