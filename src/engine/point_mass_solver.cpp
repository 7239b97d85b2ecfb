#include "engine/point_mass_solver.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace deadhold {

namespace {

constexpr double kFeetPerYard = 3;
constexpr double kInchesPerFoot = 12;
constexpr int kZeroIterations = 20;
constexpr double kZeroTolerance = 1e-6;  // feet
// A bore pointing further from the line of sight than this is no zero but a search gone astray.
constexpr double kSteepestBore = std::numbers::pi / 4;

// ft-lbf per grain of bullet and (ft/s)^2 of velocity: m v^2 / 2 with 7000 grains to the pound.
constexpr double kEnergyFactor = 1 / (7000 * 2 * kGravity);

double radians(double degrees) {
  return degrees * std::numbers::pi / 180;
}

}  // namespace

const PointMassTable& PointMassSolver::solve(const PointMassInputs& inputs, double rowStep,
                                             double lastRange) {
  return solve(inputs, DragTable::standard(inputs.dragFunction), rowStep, lastRange);
}

const PointMassTable& PointMassSolver::solve(const PointMassInputs& in, const DragTable& drag,
                                             double rowStep, double lastRange) {
  table_.rows.clear();
  const AirProperties air = airProperties(in.air);
  const bool spinning = in.spin.twist > 0;
  table_.stability =
      spinning ? millerStability(in.spin, in.bulletWeight, in.muzzleVelocity, air.densityRatio) : 0;
  const std::optional<double> angle =
      zeroAngle(makeFlight(drag, in.ballisticCoeff, air, 0, 0, 0), in);
  table_.zeroFound = angle.has_value();
  table_.boreAngle = angle.value_or(0);
  table_.complete = false;
  if (!angle) return table_;

  const Flight flight = makeFlight(drag, in.ballisticCoeff, air, radians(in.lookAngle),
                                   in.windSpeed, radians(in.windAngle));
  const FlightState muzzle =
      muzzleState(*angle, in.muzzleVelocity, in.sightHeight / kInchesPerFoot);
  table_.complete = flyTo(flight, muzzle, lastRange * kFeetPerYard);
  listRows(in, rowStep, lastRange);
  return table_;
}

// Row by row through the nodes, with the cubic of the step each row falls in.
void PointMassSolver::listRows(const PointMassInputs& in, double rowStep, double lastRange) {
  const bool spinning = table_.stability > 0;
  const auto addRow = [&](double range, const FlightState& s) {
    const double velocity = std::sqrt(s.vx * s.vx + s.vy * s.vy + s.vz * s.vz);
    double windage = s.z * kInchesPerFoot;
    if (spinning) windage += litzSpinDrift(table_.stability, s.t);
    table_.rows.push_back({range, velocity, in.bulletWeight * kEnergyFactor * (velocity * velocity),
                           s.t, s.y * kInchesPerFoot, windage});
  };
  const std::size_t rows = lastRange > 0 && rowStep > 0
                               ? static_cast<std::size_t>(std::ceil(lastRange / rowStep)) + 1
                               : 1;
  table_.rows.reserve(rows);
  addRow(0, nodes_[0].state);
  if (nodes_.size() < 2) return;

  std::size_t node = 0;
  FlightCubic cubic(nodes_[0], nodes_[1]);
  for (std::size_t row = 1; row < rows; ++row) {
    const double range = std::min(static_cast<double>(row) * rowStep, lastRange);
    const double x = range * kFeetPerYard;
    if (x > nodes_[node + 1].x) {
      while (node + 2 < nodes_.size() && x > nodes_[node + 1].x) ++node;
      if (x > nodes_[node + 1].x) break;  // beyond where the bullet got to
      cubic = FlightCubic(nodes_[node], nodes_[node + 1]);
    }
    addRow(range, cubic.at(x));
  }
}

bool PointMassSolver::flyTo(const Flight& flight, const FlightState& muzzle, double distance) {
  nodes_.clear();
  nodes_.push_back({0, muzzle, slope(flight, muzzle)});
  while (nodes_.back().x < distance) {
    const FlightNode& last = nodes_.back();
    const FlightNode next = rungeKuttaStep(flight, last, last.state.vx * stepTime_);
    if (!flying(next.state)) return false;
    nodes_.push_back(next);
  }
  return true;
}

// The secant method, from the bore parallel to the line of sight and then the angle that would
// lift the path at the zero range by what it lacked.
std::optional<double> PointMassSolver::zeroAngle(const Flight& level, const PointMassInputs& in) {
  const double zeroRange = in.zeroRange * kFeetPerYard;
  if (!(zeroRange > 0)) return std::nullopt;
  const double sightHeight = in.sightHeight / kInchesPerFoot;
  // Where the path stands at the zero range for a bore angle, in feet above the line of sight.
  const auto miss = [&](double angle) -> std::optional<double> {
    if (!flyTo(level, muzzleState(angle, in.muzzleVelocity, sightHeight), zeroRange))
      return std::nullopt;
    const std::size_t last = nodes_.size() - 1;
    return FlightCubic(nodes_[last - 1], nodes_[last]).at(zeroRange).y;
  };
  double angle = 0;
  std::optional<double> angleMiss = miss(angle);
  if (!angleMiss) return std::nullopt;
  double next = std::atan2(-*angleMiss, zeroRange);
  for (int i = 0; i < kZeroIterations; ++i) {
    if (!std::isfinite(next) || std::fabs(next) > kSteepestBore) return std::nullopt;
    const std::optional<double> nextMiss = miss(next);
    if (!nextMiss) return std::nullopt;
    if (std::fabs(*nextMiss) < kZeroTolerance) return next;
    const double following = next - *nextMiss * (next - angle) / (*nextMiss - *angleMiss);
    angle = next;
    angleMiss = nextMiss;
    next = following;
  }
  return std::nullopt;
}

}  // namespace deadhold
