#pragma once

#include <string>

#include "engine/drag_table.h"
#include "engine/point_mass_inputs.h"

namespace deadhold {

// How the air is given: the altitude in the ICAO standard atmosphere (its pressure, with the
// temperature as typed), or the station pressure itself.
enum class AirEntry { Altitude, Pressure };
enum class ClickUnit { Moa, Mil };

// Everything a range card is made from. The defaults are the program's default load zeroed at
// 100 yards in the reference air (59 F, 29.92 inHg, dry), level and without wind, a row every
// 100 yards to 1000, clicks of a quarter minute.
struct RangeCardValues {
  DragFunction dragFunction = DragFunction::G1;
  double ballisticCoeff = 0.436;
  double bulletWeight = 130;     // grains
  double muzzleVelocity = 3016;  // ft/s
  double zeroRange = 100;        // yards
  double sightHeight = 1.5;      // inches
  double temperature = 59;       // F
  AirEntry airEntry = AirEntry::Pressure;
  double altitude = 0;      // feet
  double pressure = 29.92;  // inHg
  double humidity = 0;      // percent
  double windSpeed = 0;     // mph
  double windAngle = 0;     // degrees the wind comes from: 0 behind the shooter, 90 from the right
  double lookAngle = 0;     // degrees, up hill positive
  double twist = 0;         // inches per turn, right hand; 0 leaves spin drift out
  double bulletLength = 0;  // inches
  double bulletDiameter = 0;  // inches
  double clickSize = 0.25;
  ClickUnit clickUnit = ClickUnit::Moa;
  double rangeStep = 100;  // yards
  double maxRange = 1000;  // yards
  friend bool operator==(const RangeCardValues&, const RangeCardValues&) = default;
};

inline constexpr const char* kRangeCardErrorTitle = "Value Range Error";

// One line per value outside its range (a value that is no number is outside every range), in
// the order of the fields; the bullet's length and diameter count only with a twist. Empty
// when all are valid.
std::string invalidRangeCardLines(const RangeCardValues& values);
// The whole message: its opening sentence and the lines above; empty when all are valid.
std::string rangeCardErrorText(const RangeCardValues& values);

// The solver's inputs: with an altitude, the pressure of the standard atmosphere there.
PointMassInputs pointMassInputs(const RangeCardValues& values);

}  // namespace deadhold
