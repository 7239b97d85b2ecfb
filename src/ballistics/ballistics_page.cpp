#include "ballistics/ballistics_page.h"

#include <utility>

#include "ballistics/ballistics_page_texts.h"
#include "ballistics/input_validation.h"
#include "common/application_name.h"
#include "common/cformat.h"
#include "common/numbers.h"

namespace deadhold {

namespace {

// A stored 0 means the value was never entered.
double orDefault(double value, double fallback) {
  return value == 0.0 ? fallback : value;
}

}  // namespace

std::string& BallisticsFieldTexts::operator[](BallisticsField field) {
  return const_cast<std::string&>(std::as_const(*this)[field]);
}

const std::string& BallisticsFieldTexts::operator[](BallisticsField field) const {
  switch (field) {
    case BallisticsField::Name:
      return name;
    case BallisticsField::BallisticCoeff:
      return ballisticCoeff;
    case BallisticsField::BulletWeight:
      return bulletWeight;
    case BallisticsField::MuzzleVelocity:
      return muzzleVelocity;
    case BallisticsField::TargetDistance:
      return targetDistance;
    case BallisticsField::ScopeHeight:
      return scopeHeight;
    case BallisticsField::Temperature:
      return temperature;
    case BallisticsField::Altitude:
      break;
  }
  return altitude;
}

BallisticsPage::BallisticsPage(Engine& engine, LoadDatabase& database, Dialogs& dialogs,
                               const std::filesystem::path& startDirectory)
    : engine_(engine),
      database_(database),
      dialogs_(dialogs),
      startDirectory_(startDirectory),
      rangeIncrementEntry_(kInitialRangeIncrementEntry),
      rangeIncrement_(kRangeIncrements[kInitialRangeIncrementEntry]) {}

void BallisticsPage::initialise() {
  engine_.clearTable();
  resultsValid_ = false;
  inputsInvalid_ = false;
  inputs_.targetDistance = 250;
  inputs_.temperature = 70;
  inputs_.altitude = 500;
  rangeIncrementEntry_ = kInitialRangeIncrementEntry;
  rangeIncrement_ = kRangeIncrements[kInitialRangeIncrementEntry];
  computeAndList();
}

void BallisticsPage::setInputsFromLoad(double ballisticCoeff, double bulletWeight,
                                       double muzzleVelocity, double targetDistance,
                                       double scopeHeight, double temperature, double altitude,
                                       const std::string& label) {
  inputs_.ballisticCoeff = ballisticCoeff;
  inputs_.bulletWeight = bulletWeight;
  inputs_.muzzleVelocity = muzzleVelocity;
  inputs_.targetDistance = orDefault(targetDistance, 250);
  inputs_.scopeHeight = orDefault(scopeHeight, 1.5);
  inputs_.temperature = orDefault(temperature, 70);
  inputs_.altitude = orDefault(altitude, 500);
  ballisticsLabel_ = label.substr(0, kLabelCapacity);
  fieldTexts_.name = ballisticsLabel_;
  showInputs();
}

void BallisticsPage::showInputs() {
  fieldTexts_.ballisticCoeff = cformat("%.03f", inputs_.ballisticCoeff);
  fieldTexts_.bulletWeight = cformat("%i", cutToInt(inputs_.bulletWeight));
  fieldTexts_.muzzleVelocity = cformat("%i", cutToInt(inputs_.muzzleVelocity));
  fieldTexts_.targetDistance = cformat("%i", cutToInt(inputs_.targetDistance));
  fieldTexts_.scopeHeight = cformat("%.02f", inputs_.scopeHeight);
  fieldTexts_.temperature = cformat("%i", cutToInt(inputs_.temperature));
  fieldTexts_.altitude = cformat("%i", cutToInt(inputs_.altitude));
  autoUpdateChecked_ = autoUpdate_;
}

void BallisticsPage::takeFieldTexts() {
  if (fieldTexts_.name.size() > static_cast<std::size_t>(kNameTypingLimit)) {
    dialogs_.messageBox(kNameTooLongMessage, kApplicationName, Buttons::Ok, Icon::Exclamation);
    return;
  }
  autoUpdate_ = autoUpdateChecked_;
}

void BallisticsPage::parseFieldTexts() {
  inputs_.ballisticCoeff = parseDecimal(fieldTexts_.ballisticCoeff);
  inputs_.bulletWeight = parseWholeNumber(fieldTexts_.bulletWeight);
  inputs_.muzzleVelocity = parseWholeNumber(fieldTexts_.muzzleVelocity);
  inputs_.targetDistance = parseWholeNumber(fieldTexts_.targetDistance);
  inputs_.scopeHeight = parseDecimal(fieldTexts_.scopeHeight);
  inputs_.temperature = parseWholeNumber(fieldTexts_.temperature);
  inputs_.altitude = parseWholeNumber(fieldTexts_.altitude);
  ballisticsLabel_ = fieldTexts_.name.substr(0, kLabelCapacity);
}

bool BallisticsPage::validateWithMessage() {
  const std::string message = valueRangeErrorText(inputs_);
  resultButtonsEnabled_ = message.empty();
  if (!resultButtonsEnabled_)
    dialogs_.messageBox(message, kValueRangeErrorTitle, Buttons::Ok, Icon::Exclamation);
  return resultButtonsEnabled_;
}

bool BallisticsPage::inputsAreValid() const {
  return deadhold::inputsAreValid(inputs_);
}

void BallisticsPage::writeBackToLoad() {
  LoadRecord* load = database_.currentLoad();
  if (!load || !autoUpdate_) return;
  load->avVelocity = static_cast<float>(inputs_.muzzleVelocity);
  load->scopeHeight = static_cast<float>(inputs_.scopeHeight);
  load->temperature = static_cast<float>(inputs_.temperature);
  load->elevation = static_cast<float>(inputs_.altitude);
}

void BallisticsPage::computeAndList() {
  engine_.computeTrajectory(inputs_);
  refreshList();
}

void BallisticsPage::refreshList() {
  if (resultsValid_)
    listRangeRows(engine_.table(), cutToInt(rangeIncrement_), listRows_);
  else
    listRows_.clear();
}

bool BallisticsPage::readAndValidate() {
  takeFieldTexts();
  parseFieldTexts();
  resultsValid_ = false;
  if (validateWithMessage()) return true;
  inputsInvalid_ = true;
  listRows_.clear();
  return false;
}

void BallisticsPage::reCompute() {
  if (!readAndValidate()) return;
  writeBackToLoad();
  inputsInvalid_ = false;
  resultsValid_ = true;
  computeAndList();
}

void BallisticsPage::editField(BallisticsField field, const std::string& text) {
  fieldTexts_[field] = text;
  if (field != BallisticsField::TargetDistance) return;
  takeFieldTexts();
  inputs_.targetDistance = parseWholeNumber(text);
}

void BallisticsPage::clickAutoUpdate(bool checked) {
  autoUpdateChecked_ = checked;
  takeFieldTexts();
  if (autoUpdate_) writeBackToLoad();
}

void BallisticsPage::chooseRangeIncrement(int entry) {
  if (entry < 0 || entry >= static_cast<int>(kRangeIncrements.size())) return;
  if (entry == rangeIncrementEntry_) return;
  rangeIncrementEntry_ = entry;
  rangeIncrement_ = kRangeIncrements[static_cast<std::size_t>(entry)];
  refreshList();
}

void BallisticsPage::runPendingRecompute() {
  if (!recomputePending_) return;
  // Cleared first: a paint while the range message is open must not ask again.
  recomputePending_ = false;
  reCompute();
}

void BallisticsPage::paint(Surface& surface) {
  runPendingRecompute();
  drawTrajectoryGraph(surface, kGraphLeft, kGraphTop, 1, 1);
}

Rect BallisticsPage::drawTrajectoryGraph(Surface& surface, int x0, int y0, double widthScale,
                                         double fontScale) const {
  return deadhold::drawTrajectoryGraph(surface, engine_.table(), {resultsValid_, inputsInvalid_},
                                       x0, y0, widthScale, fontScale);
}

}  // namespace deadhold
