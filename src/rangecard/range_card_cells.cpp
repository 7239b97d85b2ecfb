#include "rangecard/range_card_cells.h"

#include <cmath>

#include "rangecard/range_card.h"

namespace deadhold {

namespace {

// `below` names the way to dial when the offset is negative, `above` when it is positive.
std::string directed(double angle, const std::string& size, const char* below, const char* above) {
  if (size.find_first_not_of("0.") == std::string::npos) return "0";
  return std::string(angle < 0 ? below : above) + " " + size;
}

std::string clicks(double angle, double clickSize, const char* below, const char* above) {
  return directed(angle, fixedNumber(std::round(std::fabs(angle) / clickSize), 0), below, above);
}

int unitDecimals(ClickUnit unit) {
  return unit == ClickUnit::Mil ? 2 : 1;
}

}  // namespace

double angleIn(ClickUnit unit, double inches, double range) {
  return unit == ClickUnit::Mil ? inchesToMil(inches, range) : inchesToMoa(inches, range);
}

std::string elevationClicks(double angle, double clickSize) {
  return clicks(angle, clickSize, "U", "D");
}

std::string windageClicks(double angle, double clickSize) {
  return clicks(angle, clickSize, "R", "L");
}

std::string elevationCorrection(double angle, ClickUnit unit) {
  return directed(angle, fixedNumber(std::fabs(angle), unitDecimals(unit)), "U", "D");
}

std::string windageCorrection(double angle, ClickUnit unit) {
  return directed(angle, fixedNumber(std::fabs(angle), unitDecimals(unit)), "R", "L");
}

RangeCardCells rangeCardCells(const PointMassRow& row, double clickSize, ClickUnit unit) {
  const double path = angleIn(unit, row.path, row.range);
  const double wind = angleIn(unit, row.windage, row.range);
  return {fixedNumber(row.range, 0),
          fixedNumber(row.velocity, 0),
          fixedNumber(row.energy, 0),
          fixedNumber(row.time, 3),
          fixedNumber(row.path, 1),
          fixedNumber(inchesToMoa(row.path, row.range), 1),
          fixedNumber(inchesToMil(row.path, row.range), 2),
          elevationClicks(path, clickSize),
          fixedNumber(row.windage, 1),
          fixedNumber(inchesToMoa(row.windage, row.range), 1),
          fixedNumber(inchesToMil(row.windage, row.range), 2),
          windageClicks(wind, clickSize)};
}

}  // namespace deadhold
