#pragma once

#include <cmath>
#include <iosfwd>

#include "engine/drag_band.h"

namespace deadhold {

// The G1 model with its band in force: one coefficient set shared by every evaluation. A failed
// selection leaves the band in force as it was, so it persists from one computation to the next.
class DragModel {
 public:
  // Both return 0 on success and -1 when the argument lies outside the model; a failure writes
  // the model's diagnostic line to the diagnostic stream (standard output by default).
  // The band in force is looked at first: the bands do not overlap, so that finds the same band
  // as a search from the slowest, and successive yards of a computation mostly stay in it.
  int selectBandByVelocity(double velocity) {
    if (velocity >= band_->velocityLow && velocity < band_->velocityHigh) return 0;
    return searchBandByVelocity(velocity);
  }
  int selectBandBySpace(double space) {
    if (band_->holdsSpace(space)) return 0;
    return searchBandBySpace(space);
  }

  // Evaluated once per yard of every computation, hence inline.
  double spaceFunction(double velocity) const {
    const double d = velocity - band_->centreVelocity;
    return band_->spaceA * (d * d) + band_->spaceB * d + band_->spaceC;
  }
  double timeFunction(double velocity) const {
    const double d = velocity - band_->centreVelocity;
    return band_->timeA * (d * d) + band_->timeB * d + band_->timeC;
  }
  // The minus root lies on the falling branch of the parabola, where S falls as v rises.
  double velocityAtSpace(double space) const {
    const double a = band_->spaceA;
    const double b = band_->spaceB;
    const double discriminant = b * b - 4.0 * a * (band_->spaceC - space);
    return band_->centreVelocity + (-b - std::sqrt(discriminant)) / (2.0 * a);
  }

  // All zeros before the first successful selection.
  const DragBand& bandInForce() const { return *band_; }
  void setDiagnosticStream(std::ostream& stream) { diagnostics_ = &stream; }

 private:
  int searchBandByVelocity(double velocity);
  int searchBandBySpace(double space);
  std::ostream& diagnostics() const;

  const DragBand* band_ = &kNoDragBand;
  std::ostream* diagnostics_ = nullptr;  // nullptr: standard output
};

}  // namespace deadhold
