#pragma once

#include <iosfwd>

#include "engine/drag_band.h"

namespace deadhold {

// The G1 model with its band in force: one coefficient set shared by every evaluation. A failed
// selection leaves the band in force as it was, so it persists from one computation to the next.
class DragModel {
 public:
  struct Coefficients {
    double centreVelocity = 0;
    double spaceA = 0, spaceB = 0, spaceC = 0;
    double timeA = 0, timeB = 0, timeC = 0;
  };

  // Both return 0 on success and -1 when the argument lies outside the model; a failure writes
  // the model's diagnostic line to the diagnostic stream (standard output by default).
  int selectBandByVelocity(double velocity);
  int selectBandBySpace(double space);

  double spaceFunction(double velocity) const;
  double timeFunction(double velocity) const;
  double velocityAtSpace(double space) const;

  const Coefficients& bandInForce() const { return band_; }
  void setDiagnosticStream(std::ostream& stream) { diagnostics_ = &stream; }

 private:
  void take(const DragBand& band);

  Coefficients band_;
  std::ostream* diagnostics_ = nullptr;  // nullptr: standard output
};

}  // namespace deadhold
