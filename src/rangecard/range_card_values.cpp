#include "rangecard/range_card_values.h"

#include <cmath>
#include <vector>

#include "common/cformat.h"
#include "engine/atmosphere.h"

namespace deadhold {

namespace {

struct RangeTest {
  double RangeCardValues::*field;
  double lowest;
  double highest;
  const char* name;
  const char* format;  // of the bounds
  bool whole = false;  // whole numbers only

  bool passes(const RangeCardValues& values) const {
    const double value = values.*field;
    return value >= lowest && value <= highest && (!whole || value == std::floor(value));
  }
  std::string line() const {
    const std::string bounds = cformat(format, lowest, highest);
    return cformat("   %s must be %sbetween %s\n", name, whole ? "a whole number " : "",
                   bounds.c_str());
  }
};

using V = RangeCardValues;
const RangeTest kCoefficient{&V::ballisticCoeff, 0.02, 2, "Ballistic Coeff", "%.3f and %.3f"};
const RangeTest kWeight{&V::bulletWeight, 1, 900, "Bullet Weight", "%.0f and %.0f"};
const RangeTest kVelocity{&V::muzzleVelocity, 300, 5000, "Velocity", "%.0f and %.0f"};
const RangeTest kZero{&V::zeroRange, 10, 2000, "Zero Range", "%.0f and %.0f"};
const RangeTest kSight{&V::sightHeight, 0, 6, "Sight Height", "%.2f and %.2f"};
const RangeTest kTemperature{&V::temperature, -60, 130, "Temperature", "%.0f and %.0f"};
const RangeTest kAltitude{&V::altitude, -1500, 20000, "Altitude", "%.0f and %.0f"};
const RangeTest kPressure{&V::pressure, 13, 32, "Pressure", "%.2f and %.2f"};
const RangeTest kHumidity{&V::humidity, 0, 100, "Humidity", "%.0f and %.0f"};
const RangeTest kWindSpeed{&V::windSpeed, 0, 50, "Wind Speed", "%.0f and %.0f"};
const RangeTest kWindAngle{&V::windAngle, 0, 360, "Wind Direction", "%.0f and %.0f"};
const RangeTest kLookAngle{&V::lookAngle, -60, 60, "Look Angle", "%.0f and %.0f"};
const RangeTest kTwist{&V::twist, 5, 30, "Twist", "%.0f and %.0f"};
const RangeTest kLength{&V::bulletLength, 0.2, 3, "Bullet Length", "%.2f and %.2f"};
const RangeTest kDiameter{&V::bulletDiameter, 0.1, 1, "Bullet Diameter", "%.3f and %.3f"};
const RangeTest kClickSize{&V::clickSize, 0.01, 2, "Click Size", "%.2f and %.2f"};
const RangeTest kStep{&V::rangeStep, 1, 500, "Range Step", "%.0f and %.0f", true};
const RangeTest kMaxRange{&V::maxRange, 50, 2000, "Maximum Range", "%.0f and %.0f", true};

}  // namespace

std::string invalidRangeCardLines(const RangeCardValues& v) {
  std::vector<const RangeTest*> tests{&kCoefficient, &kWeight, &kVelocity,
                                      &kZero,        &kSight,  &kTemperature};
  tests.push_back(v.airEntry == AirEntry::Altitude ? &kAltitude : &kPressure);
  tests.insert(tests.end(), {&kHumidity, &kWindSpeed, &kWindAngle, &kLookAngle});
  std::string lines;
  for (const RangeTest* test : tests)
    if (!test->passes(v)) lines += test->line();
  if (v.twist != 0) {
    if (!kTwist.passes(v)) lines += "   Twist must be 0 (no spin drift) or between 5 and 30\n";
    for (const RangeTest* test : {&kLength, &kDiameter})
      if (!test->passes(v)) lines += test->line();
  }
  for (const RangeTest* test : {&kClickSize, &kStep, &kMaxRange})
    if (!test->passes(v)) lines += test->line();
  return lines;
}

std::string rangeCardErrorText(const RangeCardValues& values) {
  const std::string lines = invalidRangeCardLines(values);
  if (lines.empty()) return lines;
  return "The Following Values are invalid and must be\n"
         "corrected before the range card can be calculated:\n\n" +
         lines;
}

PointMassInputs pointMassInputs(const RangeCardValues& v) {
  PointMassInputs in;
  in.dragFunction = v.dragFunction;
  in.ballisticCoeff = v.ballisticCoeff;
  in.bulletWeight = v.bulletWeight;
  in.muzzleVelocity = v.muzzleVelocity;
  in.zeroRange = v.zeroRange;
  in.sightHeight = v.sightHeight;
  const double pressure =
      v.airEntry == AirEntry::Altitude ? standardAtmosphere(v.altitude).pressure : v.pressure;
  in.air = {v.temperature, pressure, v.humidity};
  in.windSpeed = v.windSpeed;
  in.windAngle = v.windAngle;
  in.lookAngle = v.lookAngle;
  if (v.twist != 0) in.spin = {v.twist, v.bulletLength, v.bulletDiameter};
  return in;
}

}  // namespace deadhold
