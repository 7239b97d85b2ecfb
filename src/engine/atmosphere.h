#pragma once

namespace deadhold {

// The air a bullet flies through, as a shooter measures it.
struct Atmosphere {
  double temperature = 59;  // degrees F
  double pressure = 29.92;  // inches of mercury at the firing point (station pressure)
  double humidity = 0;      // relative, percent
  friend bool operator==(const Atmosphere&, const Atmosphere&) = default;
};

// What the flight needs of the air.
struct AirProperties {
  double densityRatio;  // density over that of the reference air: 59 F, 29.92 inHg, dry
  double speedOfSound;  // ft/s
};

// The ICAO standard atmosphere at an altitude in feet (the troposphere, below 36,089 ft): the
// temperature falls 0.0065 K per metre from 59 F and the pressure follows from it, dry air.
Atmosphere standardAtmosphere(double altitude);

// Density and speed of sound of moist air as a mixture of ideal gases: the water vapour's
// partial pressure from the relative humidity and the saturation pressure over water (Buck's
// 1996 equation) makes the air lighter and sound in it faster.
AirProperties airProperties(const Atmosphere& air);

// The density of the reference air (59 F, 29.92 inHg, dry) in pounds per cubic foot.
double referenceAirDensity();

}  // namespace deadhold
