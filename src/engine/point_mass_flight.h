#pragma once

#include <cmath>
#include <numbers>

#include "engine/atmosphere.h"
#include "engine/drag_table.h"

namespace deadhold {

inline constexpr double kGravity = 32.174;  // ft/s^2, standard gravity
// Below this speed along the line of sight the bullet no longer goes on down range.
inline constexpr double kStallSpeed = 50;  // ft/s

// Where the bullet is and how it moves, at a distance x down the line of sight: time in s,
// height above and offset right of the line of sight in feet, velocity in ft/s along, up from
// and to the right of it.
struct FlightState {
  double t, y, z, vx, vy, vz;
};

inline FlightState operator+(const FlightState& a, const FlightState& b) {
  return {a.t + b.t, a.y + b.y, a.z + b.z, a.vx + b.vx, a.vy + b.vy, a.vz + b.vz};
}
inline FlightState operator*(double k, const FlightState& a) {
  return {k * a.t, k * a.y, k * a.z, k * a.vx, k * a.vy, k * a.vz};
}

// What stays the same over one flight, in the line of sight's frame.
struct Flight {
  const DragTable* drag;
  double dragScale;     // per foot: rho / rho0 * (pi / 8 / 144) * rho0 / coefficient
  double machPerSpeed;  // 1 / speed of sound
  double gx, gy;        // gravity
  double wx, wy, wz;    // the air's velocity
};

// `lookAngle` and `windAngle` in radians, `windSpeed` in mph.
inline Flight makeFlight(const DragTable& drag, double ballisticCoeff, const AirProperties& air,
                         double lookAngle, double windSpeed, double windAngle) {
  // pi / 8 d^2 rho Cd / m in consistent units, with d^2 / m (in^2 / lb) the inverse coefficient.
  const double dragConstant = referenceAirDensity() * std::numbers::pi / (8 * 144);
  const double wind = windSpeed * 5280.0 / 3600.0;
  const double downRange = wind * std::cos(windAngle);  // a wind from behind blows down range
  return {&drag,
          dragConstant * air.densityRatio / ballisticCoeff,
          1 / air.speedOfSound,
          -kGravity * std::sin(lookAngle),
          -kGravity * std::cos(lookAngle),
          downRange * std::cos(lookAngle),
          -downRange * std::sin(lookAngle),
          -wind * std::sin(windAngle)};  // a wind from the right blows to the left
}

// The state's rate of change per foot down range.
inline FlightState slope(const Flight& f, const FlightState& s) {
  const double rx = s.vx - f.wx;
  const double ry = s.vy - f.wy;
  const double rz = s.vz - f.wz;
  const double airSpeed = std::sqrt(rx * rx + ry * ry + rz * rz);
  const double k = f.dragScale * f.drag->dragCoefficient(airSpeed * f.machPerSpeed) * airSpeed;
  const double perFoot = 1 / s.vx;
  return {perFoot,
          s.vy * perFoot,
          s.vz * perFoot,
          (f.gx - k * rx) * perFoot,
          (f.gy - k * ry) * perFoot,
          -k * rz * perFoot};
}

// The bullet leaving the muzzle, the bore `boreAngle` radians above the line of sight and
// `sightHeight` feet below it.
inline FlightState muzzleState(double boreAngle, double velocity, double sightHeight) {
  return {0, -sightHeight, 0, velocity * std::cos(boreAngle), velocity * std::sin(boreAngle), 0};
}

// The flight at one point of the integration: how far down range, the state and its slope.
struct FlightNode {
  double x;  // feet
  FlightState state;
  FlightState slope;
};

// The cubic through the states and slopes of two neighbouring nodes (Hermite): the states
// between them come from it.
class FlightCubic {
 public:
  FlightCubic(const FlightNode& a, const FlightNode& b)
      : x0_(a.x),
        perFoot_(1 / (b.x - a.x)),
        c0_(a.state),
        c1_((b.x - a.x) * a.slope),
        c2_(3 * (b.state + -1 * a.state) + (a.x - b.x) * (2 * a.slope + b.slope)),
        c3_(2 * (a.state + -1 * b.state) + (b.x - a.x) * (a.slope + b.slope)) {}

  FlightState at(double x) const {
    const double u = (x - x0_) * perFoot_;
    return c0_ + u * (c1_ + u * (c2_ + u * c3_));
  }

 private:
  double x0_;
  double perFoot_;
  FlightState c0_, c1_, c2_, c3_;
};

// One classical Runge-Kutta step of `h` feet from `node`, with the slope at its end.
inline FlightNode rungeKuttaStep(const Flight& flight, const FlightNode& node, double h) {
  const FlightState& y = node.state;
  const FlightState& k1 = node.slope;
  const FlightState k2 = slope(flight, y + (h / 2) * k1);
  const FlightState k3 = slope(flight, y + (h / 2) * k2);
  const FlightState k4 = slope(flight, y + h * k3);
  const FlightState end = y + (h / 6) * (k1 + 2 * k2 + 2 * k3 + k4);
  return {node.x + h, end, slope(flight, end)};
}

// The bullet goes on down range: not stalled, and the numbers still finite.
inline bool flying(const FlightState& s) {
  return s.vx >= kStallSpeed && std::isfinite(s.y) && std::isfinite(s.z) && std::isfinite(s.t);
}

}  // namespace deadhold
