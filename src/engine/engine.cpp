#include "engine/engine.h"

#include <algorithm>

namespace deadhold {
namespace {

// ft/s of 5, 10 ... 60 mph, truncated to four decimals as the model has always used them.
constexpr std::array<double, kLeadCount> kLeadSpeeds{
    7.3333, 14.6666, 22.0, 29.3333, 36.6666, 44.0, 51.3333, 58.6666, 66.0, 73.3333, 80.6666, 88.0};

constexpr double kEnergyFactor = 2.2202486678507993e-06;  // 1/450400
constexpr double kMaxYFactor = 48.599999999999994;        // the double just below 48.6

// Gravity drop factor in ft/s^2: about 16.08 at the muzzle, falling as the bullet slows.
double dropFactor(double velocity, double muzzleVelocity) {
  const double x = velocity / muzzleVelocity - 0.65;
  return 14.0069 + 6.59285 * x - 1.94051 * (x * x);
}

}  // namespace

void Engine::clearTable() { table_.fill(TrajectoryPoint{}); }

void Engine::computeTrajectory(const BallisticInputs& in) {
  const double v0 = in.muzzleVelocity;
  const double h = in.scopeHeight;
  const double z = in.targetDistance;
  lastInputs_ = {v0, in.bulletWeight, in.ballisticCoeff};

  const double altitudeFactor = 1 - 3.59596e-05 * in.altitude + 4.7741e-10 * (in.altitude * in.altitude);
  const double temperatureFactor = 518.67 / (in.temperature + 459.67);
  densityRatio_ = temperatureFactor * altitudeFactor;
  const double c = in.ballisticCoeff / densityRatio_;

  model_.selectBandByVelocity(v0);
  muzzleSpace_ = model_.spaceFunction(v0);
  muzzleTime_ = model_.timeFunction(v0);

  // Sight in at z: the slope of the line of sight against the bore, inches per yard.
  const double zeroSpace = 3 * z / c + muzzleSpace_;
  model_.selectBandBySpace(zeroSpace);
  const double zeroVelocity = model_.velocityAtSpace(zeroSpace);
  const double zeroTime = (model_.timeFunction(zeroVelocity) - muzzleTime_) * c;
  const double zeroDrop = 12 * dropFactor(zeroVelocity, v0) * (zeroTime * zeroTime);
  slope_ = z == 0 ? 0 : (zeroDrop + h) / z;

  int row = 0;
  int selection = 0;
  for (double x = 0; x <= 1000 && selection == 0; x = x + 1.0, ++row) {
    const double space = 3 * x / c + muzzleSpace_;
    selection = model_.selectBandBySpace(space);
    const double v = model_.velocityAtSpace(space);
    const double time = (model_.timeFunction(v) - muzzleTime_) * c;
    const double drop = 12 * dropFactor(v, v0) * (time * time);

    TrajectoryPoint& point = table_[row];
    point.range = x;
    point.elevation = slope_ * x - drop + (-h);
    point.velocity = v;
    point.energy = v * v * in.bulletWeight * kEnergyFactor;
    point.time = time;
    point.drop = drop;
    point.maxY = x == 0 ? -h : 0.4 * (-h) + kMaxYFactor * (time * time);
    point.windDeflection = 176 * (time - 3 * x / v0);
  }
  // Rows after an early stop stay zero; only they need clearing, every other row was written.
  std::fill(table_.begin() + row, table_.end(), TrajectoryPoint{});

  for (TrajectoryPoint& point : table_)
    for (int k = 0; k < kLeadCount; ++k) point.lead[k] = point.time * kLeadSpeeds[k];
}

}  // namespace deadhold
