#pragma once

#include <cstddef>
#include <string>

#include "engine/trajectory.h"

namespace deadhold {

// The texts of the page's eight edit fields as the user sees them.
struct BallisticsFieldTexts {
  std::string name;
  std::string ballisticCoeff;
  std::string bulletWeight;
  std::string muzzleVelocity;
  std::string targetDistance;
  std::string scopeHeight;
  std::string temperature;
  std::string altitude;
  friend bool operator==(const BallisticsFieldTexts&, const BallisticsFieldTexts&) = default;
};

// The Ballistics Calculator tab: the seven inputs of the program's computations, the name of the
// load they came from, and the flags its paint and the printouts read.
class BallisticsPage {
 public:
  static constexpr std::size_t kLabelCapacity = 127;

  // Before the load book is read: the zero range, temperature and altitude the page starts
  // with; the other four inputs stay 0 until the first hand-over.
  void initialise();

  // The hand-over from a load (or the default load): stores the seven values, replaces a 0 zero
  // range, temperature, altitude or scope height (never entered) with 250, 70, 500 or 1.5, and
  // fills the fields and the label. Nothing is validated or computed here.
  void setInputsFromLoad(double ballisticCoeff, double bulletWeight, double muzzleVelocity,
                         double targetDistance, double scopeHeight, double temperature,
                         double altitude, const std::string& label);

  const BallisticInputs& inputs() const { return inputs_; }
  const std::string& ballisticsLabel() const { return ballisticsLabel_; }
  const BallisticsFieldTexts& fieldTexts() const { return fieldTexts_; }

  // Set by each hand-over; the page's next paint runs Re-Compute first and clears it.
  bool recomputePending() const { return recomputePending_; }
  void setRecomputePending(bool pending) { recomputePending_ = pending; }

 private:
  BallisticInputs inputs_;
  std::string ballisticsLabel_;
  BallisticsFieldTexts fieldTexts_;
  bool recomputePending_ = false;
};

}  // namespace deadhold
