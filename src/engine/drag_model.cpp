#include "engine/drag_model.h"

#include <cmath>
#include <iostream>

namespace deadhold {

void DragModel::take(const DragBand& band) {
  band_ = {band.centreVelocity, band.spaceA, band.spaceB, band.spaceC,
           band.timeA,          band.timeB,  band.timeC};
}

int DragModel::selectBandByVelocity(double velocity) {
  // An edge belongs to the band that starts there; NaN matches no band.
  for (const DragBand& band : kDragBands) {
    if (velocity >= band.velocityLow && velocity < band.velocityHigh) {
      take(band);
      return 0;
    }
  }
  (diagnostics_ ? *diagnostics_ : std::cout) << "\nVelocity out of range...\n";
  return -1;
}

int DragModel::selectBandBySpace(double space) {
  // An edge belongs to the slower band; NaN matches no band.
  for (const DragBand& band : kDragBands) {
    if (space <= band.spaceHigh && space > band.spaceLow) {
      take(band);
      return 0;
    }
  }
  (diagnostics_ ? *diagnostics_ : std::cout) << "Velocity out of range...\n";
  return -1;
}

double DragModel::spaceFunction(double velocity) const {
  const double d = velocity - band_.centreVelocity;
  return band_.spaceA * (d * d) + band_.spaceB * d + band_.spaceC;
}

double DragModel::timeFunction(double velocity) const {
  const double d = velocity - band_.centreVelocity;
  return band_.timeA * (d * d) + band_.timeB * d + band_.timeC;
}

double DragModel::velocityAtSpace(double space) const {
  // The minus root lies on the falling branch of the parabola, where S falls as v rises.
  const double a = band_.spaceA;
  const double b = band_.spaceB;
  const double discriminant = b * b - 4.0 * a * (band_.spaceC - space);
  return band_.centreVelocity + (-b - std::sqrt(discriminant)) / (2.0 * a);
}

}  // namespace deadhold
