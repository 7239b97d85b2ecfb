#include "engine/engine.h"

#include <algorithm>
#include <cmath>

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

void Engine::clearTable() {
  table_.fill(TrajectoryPoint{});
}

void Engine::computeTrajectory(const BallisticInputs& in) {
  const double v0 = in.muzzleVelocity;
  const double h = in.scopeHeight;
  const double z = in.targetDistance;
  lastInputs_ = {v0, in.bulletWeight, in.ballisticCoeff};

  const double altitudeFactor =
      1 - 3.59596e-05 * in.altitude + 4.7741e-10 * (in.altitude * in.altitude);
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

  const int rows = traceYards(c);
  fillRows(in, rows);
  // Rows after an early stop stay zero, their leads included.
  std::fill(table_.begin() + rows, table_.end(), TrajectoryPoint{});
}

// The space value of a yard. It never falls as the yard grows (never rises, for a negative
// coefficient), so the yards one band holds always form a single run.
double Engine::spaceAt(int yard, double c) const {
  return 3 * static_cast<double>(yard) / c + muzzleSpace_;
}

// Yard by yard, the one part that needs the selection: a band is selected where each run starts,
// the run's end is found by bisection, and the run is inverted as a whole. Stops after the first
// yard whose space value lies outside the model (computed with the band before) and answers the
// number of yards computed.
int Engine::traceYards(double c) {
  for (int start = 0; start < kTableRows;) {
    const bool selected = model_.selectBandBySpace(spaceAt(start, c)) == 0;
    const DragBand& band = model_.bandInForce();
    int end = start + 1;  // the band holds start to end; from outside on it holds none
    for (int outside = selected ? kTableRows : end; end < outside;) {
      const int middle = end + (outside - end) / 2;
      if (band.holdsSpace(spaceAt(middle, c)))
        end = middle + 1;
      else
        outside = middle;
    }
    invertYards(c, band, start, end);
    if (!selected) return end;
    start = end;
  }
  return kTableRows;
}

// Velocity and time of flight of the yards start to end, all in one band.
void Engine::invertYards(double c, const DragBand& band, int start, int end) {
  const double a = band.spaceA;
  const double b = band.spaceB;
  const double twoA = 2.0 * a;
  for (int yard = start; yard < end; ++yard) {
    const double discriminant = b * b - 4.0 * a * (band.spaceC - spaceAt(yard, c));
    const double v = band.centreVelocity + (-b - std::sqrt(discriminant)) / twoA;
    const double d = v - band.centreVelocity;
    yards_.velocity[yard] = v;
    yards_.time[yard] = (band.timeA * (d * d) + band.timeB * d + band.timeC - muzzleTime_) * c;
  }
}

// What follows from velocity and time alone, each row written whole in one go: the table is
// bigger than the first-level cache, so writing it is most of the cost.
void Engine::fillRows(const BallisticInputs& in, int rows) {
  const double v0 = in.muzzleVelocity;
  const double h = in.scopeHeight;
  for (int row = 0; row < rows; ++row) {
    const double x = static_cast<double>(row);
    const double v = yards_.velocity[row];
    const double time = yards_.time[row];
    const double drop = 12 * dropFactor(v, v0) * (time * time);

    TrajectoryPoint& point = table_[row];
    point.range = x;
    point.elevation = slope_ * x - drop + (-h);
    point.velocity = v;
    point.energy = v * v * in.bulletWeight * kEnergyFactor;
    point.time = time;
    point.drop = drop;
    point.maxY = 0.4 * (-h) + kMaxYFactor * (time * time);
    point.windDeflection = 176 * (time - 3 * x / v0);
    for (int k = 0; k < kLeadCount; ++k) point.lead[k] = time * kLeadSpeeds[k];
  }
  table_[0].maxY = -h;  // at the muzzle exactly, whatever rounding left in its time
}

}  // namespace deadhold
