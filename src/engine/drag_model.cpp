#include "engine/drag_model.h"

#include <iostream>

namespace deadhold {

std::ostream& DragModel::diagnostics() const {
  return diagnostics_ ? *diagnostics_ : std::cout;
}

int DragModel::searchBandByVelocity(double velocity) {
  // An edge belongs to the band that starts there; NaN matches no band.
  for (const DragBand& band : kDragBands) {
    if (velocity >= band.velocityLow && velocity < band.velocityHigh) {
      band_ = &band;
      return 0;
    }
  }
  diagnostics() << "\nVelocity out of range...\n";
  return -1;
}

int DragModel::searchBandBySpace(double space) {
  for (const DragBand& band : kDragBands) {
    if (band.holdsSpace(space)) {
      band_ = &band;
      return 0;
    }
  }
  diagnostics() << "Velocity out of range...\n";
  return -1;
}

}  // namespace deadhold
