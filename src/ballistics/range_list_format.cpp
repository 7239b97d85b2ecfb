#include "ballistics/range_list_format.h"

#include "common/cformat.h"

namespace deadhold {

// clang-format off
const std::array<RangeListColumn, kRangeListColumnCount> kRangeListColumns{{
    {"Range", 50, "%0.0f yds"},
    {"Elevation", 60, "%0.2f in"},
    {"Velocity ", 55, "%0.0f fps"},
    {"Energy", 56, "%0.0f fpe"},
    {"ETA", 60, "%0.3f sec"},
    {"Total Drop", 65, "%0.2f in"},
    {"Max Y", 48, "%0.2f in"},
    {"Wind Def (10 mph)", 110, "%0.2f in"},
    {"5 mph Lead", 80, "%0.2f ft"},
    {"10 mph Lead", 80, "%0.2f ft"},
    {"15 mph Lead", 80, "%0.2f ft"},
    {"20 mph Lead", 80, "%0.2f ft"},
    {"25 mph Lead", 80, "%0.2f ft"},
    {"30 mph Lead", 80, "%0.2f ft"},
    {"35 mph Lead", 80, "%0.2f ft"},
    {"40 mph Lead", 80, "%0.2f ft"},
    {"45 mph Lead", 80, "%0.2f ft"},
    {"50 mph Lead", 80, "%0.2f ft"},
    {"55 mph Lead", 80, "%0.2f ft"},
    {"60 mph Lead", 80, "%0.2f ft"},
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

}  // namespace

RangeListCells rangeListCells(const TrajectoryPoint& point) {
  const auto fields = fieldsInColumnOrder(point);
  RangeListCells cells;
  for (int column = 0; column < kRangeListColumnCount; ++column)
    cells[column] = cformat(kRangeListColumns[column].cellFormat, fields[column]);
  return cells;
}

void clampListedTime(TrajectoryPoint& point) {
  if (point.time < 0) point.time = 0;
}

std::vector<RangeListCells> listRangeRows(TrajectoryTable& table, int increment) {
  std::vector<RangeListCells> rows;
  if (increment < 1) return rows;
  for (int yard = 0; yard < kTableRows; yard += 5) {
    if (yard % increment != 0) continue;
    clampListedTime(table[yard]);
    rows.push_back(rangeListCells(table[yard]));
  }
  return rows;
}

}  // namespace deadhold
