#include "calculators/bc_calc_dialog.h"

#include "common/cformat.h"
#include "common/numbers.h"

namespace deadhold {
namespace {

constexpr double kLargestVelocityDrop = 1000;

std::size_t indexOf(BcCalcDialog::Field field) {
  return static_cast<std::size_t>(field);
}

}  // namespace

BcCalcDialog::BcCalcDialog(Engine& engine, Dialogs& dialogs)
    : BcCalcDialog(engine, dialogs, [&engine](double bulletWeight, double muzzleVelocity) {
        return engineProbe(engine, bulletWeight, muzzleVelocity);
      }) {}

BcCalcDialog::BcCalcDialog(Engine& engine, Dialogs& dialogs, ProbeFactory probes)
    : engine_(engine),
      dialogs_(dialogs),
      probes_(std::move(probes)),
      savedTable_(std::make_unique<TrajectoryTable>(engine.table())) {}

BcCalcDialog::~BcCalcDialog() {
  engine_.table() = *savedTable_;
}

const char* BcCalcDialog::label(Field field) {
  switch (field) {
    case Field::BulletWeight:
      return "Bullet Weight";
    case Field::MuzzleVelocity:
      return "Muzzle Velocity";
    case Field::Velocity100:
      return "100 yard Velocity";
  }
  return "";
}

void BcCalcDialog::setFieldText(Field field, std::string text) {
  fieldTexts_[indexOf(field)] = std::move(text);
  const double weight = value(Field::BulletWeight);
  const double muzzle = value(Field::MuzzleVelocity);
  const double at100 = value(Field::Velocity100);
  calculateEnabled_ =
      1 <= weight && weight <= 900 && 500 <= muzzle && muzzle < 4500 && 0 < at100 && at100 < 4500;
}

const std::string& BcCalcDialog::fieldText(Field field) const {
  return fieldTexts_[indexOf(field)];
}

double BcCalcDialog::value(Field field) const {
  return parseDecimal(fieldText(field));
}

void BcCalcDialog::calculate() {
  if (!calculateEnabled_) return;
  const double weight = value(Field::BulletWeight);
  const double muzzle = value(Field::MuzzleVelocity);
  const double at100 = value(Field::Velocity100);
  if (muzzle - at100 > kLargestVelocityDrop) {
    dialogs_.messageBox(kVelocityWarning, kVelocityWarningTitle, Buttons::Ok, Icon::Exclamation);
    return;
  }
  resultText_.clear();
  const std::optional<double> found = searchBallisticCoeff(probes_(weight, muzzle), at100);
  if (found) {
    resultText_ = cformat("%.3f", *found);
  } else {
    dialogs_.messageBox(kUnknownMessage, kUnknownTitle, Buttons::Ok, Icon::Information);
    resultText_ = kUnknownResult;
  }
}

}  // namespace deadhold
