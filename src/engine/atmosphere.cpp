#include "engine/atmosphere.h"

#include <cmath>

namespace deadhold {

namespace {

constexpr double kPascalPerInchHg = 3386.389;
constexpr double kDryAirGasConstant = 287.05;     // J/(kg K)
constexpr double kVapourGasConstant = 461.5;      // J/(kg K)
constexpr double kDryAirHeatAtPressure = 1004.7;  // J/(kg K), cp
constexpr double kVapourHeatAtPressure = 1859.0;  // J/(kg K), cp
constexpr double kFeetPerSecondPerMetre = 1 / 0.3048;
constexpr double kPoundsPerCubicFootPerKgPerCubicMetre = 0.3048 * 0.3048 * 0.3048 / 0.45359237;

constexpr double kStandardTemperature = 59;           // F
constexpr double kStandardPressure = 29.92;           // inHg
constexpr double kLapseRate = 0.0065 * 0.3048 * 1.8;  // F per foot
// g M / (R L) of the ICAO troposphere.
constexpr double kPressureExponent = 5.255877;

double kelvin(double fahrenheit) {
  return (fahrenheit - 32) / 1.8 + 273.15;
}

// Saturation vapour pressure over water in Pa (Buck 1996), temperature in degrees C.
double saturationPressure(double celsius) {
  return 611.21 * std::exp((18.678 - celsius / 234.5) * (celsius / (257.14 + celsius)));
}

// kg/m^3 of dry air and of vapour, and the mixture's speed of sound in m/s.
struct Mixture {
  double density;
  double speedOfSound;
};

Mixture mixture(const Atmosphere& air) {
  const double t = kelvin(air.temperature);
  const double pressure = air.pressure * kPascalPerInchHg;
  const double vapourPressure = air.humidity / 100 * saturationPressure(t - 273.15);
  const double dry = (pressure - vapourPressure) / (kDryAirGasConstant * t);
  const double vapour = vapourPressure / (kVapourGasConstant * t);
  const double density = dry + vapour;
  const double q = vapour / density;  // the vapour's share of the mass
  const double gasConstant = (1 - q) * kDryAirGasConstant + q * kVapourGasConstant;
  const double heatAtPressure = (1 - q) * kDryAirHeatAtPressure + q * kVapourHeatAtPressure;
  const double gamma = heatAtPressure / (heatAtPressure - gasConstant);
  return {density, std::sqrt(gamma * gasConstant * t)};
}

}  // namespace

Atmosphere standardAtmosphere(double altitude) {
  const double temperature = kStandardTemperature - kLapseRate * altitude;
  const double ratio = kelvin(temperature) / kelvin(kStandardTemperature);
  return {temperature, kStandardPressure * std::pow(ratio, kPressureExponent), 0};
}

AirProperties airProperties(const Atmosphere& air) {
  static const double referenceDensity = mixture(Atmosphere{}).density;
  const Mixture m = mixture(air);
  return {m.density / referenceDensity, m.speedOfSound * kFeetPerSecondPerMetre};
}

double referenceAirDensity() {
  static const double density =
      mixture(Atmosphere{}).density * kPoundsPerCubicFootPerKgPerCubicMetre;
  return density;
}

}  // namespace deadhold
