#include "rangecard/range_card.h"

#include <cmath>
#include <numbers>

#include "common/cformat.h"
#include "engine/atmosphere.h"

namespace deadhold {

namespace {

const char* dragName(DragFunction function) {
  return function == DragFunction::G7 ? "G7" : "G1";
}

const char* unitName(ClickUnit unit) {
  return unit == ClickUnit::Mil ? "MIL" : "MOA";
}

}  // namespace

std::string fixedNumber(double value, int decimals) {
  std::string text = cformat("%.*f", decimals, value);
  if (text[0] == '-' && text.find_first_not_of("-0.") == std::string::npos) text.erase(0, 1);
  return text;
}

std::string shortNumber(double value, int decimals) {
  std::string text = fixedNumber(value, decimals);
  if (text.find('.') != std::string::npos) {
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.') text.pop_back();
  }
  return text;
}

RangeCard makeRangeCard(const RangeCardValues& values, const std::string& label,
                        PointMassSolver& solver) {
  return {label, values, solver.solve(pointMassInputs(values), values.rangeStep, values.maxRange)};
}

std::vector<std::string> rangeCardConditions(const RangeCardValues& v) {
  std::vector<std::string> lines;
  lines.push_back(
      cformat("%s %s, %s gr, %s ft/s, zero %s yd, sight height %s in", dragName(v.dragFunction),
              shortNumber(v.ballisticCoeff, 4).c_str(), shortNumber(v.bulletWeight, 1).c_str(),
              shortNumber(v.muzzleVelocity, 1).c_str(), shortNumber(v.zeroRange, 1).c_str(),
              fixedNumber(v.sightHeight, 2).c_str()));
  const PointMassInputs in = pointMassInputs(v);
  std::string air = cformat("%s F, %s inHg", shortNumber(v.temperature, 1).c_str(),
                            fixedNumber(in.air.pressure, 2).c_str());
  if (v.airEntry == AirEntry::Altitude)
    air += cformat(" (standard at %s ft)", shortNumber(v.altitude, 0).c_str());
  lines.push_back(air + cformat(", humidity %s %%", shortNumber(v.humidity, 1).c_str()));
  lines.push_back(cformat("Wind %s mph from %s deg, look angle %s deg",
                          shortNumber(v.windSpeed, 1).c_str(), shortNumber(v.windAngle, 1).c_str(),
                          shortNumber(v.lookAngle, 1).c_str()));
  if (v.twist != 0) {
    lines.push_back(cformat("Twist 1 in %s in, bullet %s in long, %s in across",
                            shortNumber(v.twist, 2).c_str(), shortNumber(v.bulletLength, 3).c_str(),
                            shortNumber(v.bulletDiameter, 3).c_str()));
  } else {
    lines.push_back("No spin drift");
  }
  lines.push_back(
      cformat("Clicks of %s %s", shortNumber(v.clickSize, 3).c_str(), unitName(v.clickUnit)));
  return lines;
}

std::vector<std::string> rangeCardNotes(const RangeCard& card) {
  std::vector<std::string> notes;
  const PointMassTable& table = card.table;
  if (!table.zeroFound) return notes;
  const bool mil = card.values.clickUnit == ClickUnit::Mil;
  const double bore = mil ? table.boreAngle * 1000 : table.boreAngle * 180 / std::numbers::pi * 60;
  notes.push_back(cformat("Bore %s %s above the line of sight", fixedNumber(bore, 2).c_str(),
                          unitName(card.values.clickUnit)));
  if (table.stability > 0)
    notes.push_back(
        cformat("Stability factor %s (Miller)", fixedNumber(table.stability, 2).c_str()));
  if (!table.complete && !table.rows.empty())
    notes.push_back(
        cformat("The bullet stalls past %s yd", shortNumber(table.rows.back().range, 0).c_str()));
  return notes;
}

std::string zeroNotFoundText(const RangeCardValues& values) {
  return cformat(
      "No bore angle puts this bullet on the line of sight at %s yards: it falls short of "
      "the zero range.\nChoose a nearer zero range, or check the velocity and the "
      "coefficient.",
      shortNumber(values.zeroRange, 1).c_str());
}

}  // namespace deadhold
