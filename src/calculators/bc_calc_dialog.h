#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string>

#include "calculators/ballistic_coeff_search.h"
#include "engine/engine.h"
#include "platform/dialogs.h"

namespace deadhold {

// "Calculate Ballistic Coefficient": finds a bullet's G1 coefficient from its muzzle and
// 100-yard velocities by running the engine. The range table the Ballistics Calculator shows is
// saved when the dialog opens and put back when it closes; lastInputs keeps the last search step.
class BcCalcDialog {
 public:
  enum class Field { BulletWeight, MuzzleVelocity, Velocity100 };

  static constexpr const char* kTitle = "Calculate Ballistic Coefficient";
  static constexpr const char* kVelocityWarningTitle = "Velocity Warning";
  static constexpr const char* kVelocityWarning =
      "You have entered velocities which decrease by over 1000 fps in 100 yrds\n"
      "No known bullet behaves like this. Please double check the entered Velocities.";
  static constexpr const char* kUnknownTitle = "Unknown";
  static constexpr const char* kUnknownMessage =
      "No known Ballistic Coefficients fit the velocities entered.\n"
      "Recheck the entered values and recompute";
  static constexpr const char* kUnknownResult = "Unknown";

  // How the search tries candidates for a bullet weight and muzzle velocity.
  using ProbeFactory = std::function<VelocityProbe(double bulletWeight, double muzzleVelocity)>;

  BcCalcDialog(Engine& engine, Dialogs& dialogs);
  // Tries candidates with `probes` instead of the engine; the engine's table is still kept.
  BcCalcDialog(Engine& engine, Dialogs& dialogs, ProbeFactory probes);
  ~BcCalcDialog();
  BcCalcDialog(const BcCalcDialog&) = delete;
  BcCalcDialog& operator=(const BcCalcDialog&) = delete;

  static const char* label(Field field);
  static constexpr const char* kResultLabel = "Bullet BC";
  static constexpr const char* kCalculateCaption = "&Calculate";
  static constexpr const char* kReturnCaption = "&Return";

  // The user changed an input field: "&Calculate" is re-tested at once.
  void setFieldText(Field field, std::string text);
  const std::string& fieldText(Field field) const;
  bool calculateEnabled() const { return calculateEnabled_; }
  const std::string& resultText() const { return resultText_; }

  // "&Calculate": warns about an impossible velocity drop, or searches and shows the answer,
  // "Unknown" when none fits. Does nothing while the button is disabled.
  void calculate();

 private:
  double value(Field field) const;

  Engine& engine_;
  Dialogs& dialogs_;
  ProbeFactory probes_;
  std::unique_ptr<TrajectoryTable> savedTable_;
  std::array<std::string, 3> fieldTexts_;
  std::string resultText_;
  bool calculateEnabled_ = false;
};

}  // namespace deadhold
