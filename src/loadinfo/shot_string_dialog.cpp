#include "loadinfo/shot_string_dialog.h"

#include <cmath>

#include "common/cformat.h"
#include "common/numbers.h"
#include "loadinfo/target_drawing.h"
#include "loads/load_messages.h"
#include "loads/shot_statistics.h"

namespace deadhold {
namespace {

constexpr const char* kResetAllQuestion = "Are you sure you want to reset the Shot Data?";
constexpr const char* kResetAllTitle = "Warning";
constexpr const char* kChronoFileFilter =
    "Chronograph Files (*.csv;*.txt)|*.csv;*.txt|All Files (*.*)|*.*||";
constexpr const char* kNotChronoFileTitle = "WARNING";
constexpr const char* kReplaceTitle = "Question";

struct FieldInfo {
  const char* label;
  int limit;
};

constexpr std::array<FieldInfo, kShotStringFieldCount> kFields = {{
    {"X-Distance (in)", 10},
    {"Y-Distance (in)", 10},
    {"Velocity", 10},
    {"Radius Dist", 0},
    {"Group Size", 0},
    {"Target Distance", 10},
    {"Wind", 30},
    {"Notes (CTRL+ENTER for new line)", 120},
    {"Temp", 16},
    {"Elevation", 10},
    {"Scope Height", 10},
    {"Shots", 0},
    {"Mean Vel.", 0},
    {"ES", 0},
    {"SD", 0},
    {"Mean Radius", 0},
}};

std::string distanceText(float inches) {
  return cformat("%0.3f", static_cast<double>(inches));
}

float radiusOf(float x, float y) {
  return std::sqrt(x * x + y * y);
}

// One pixel is 1/80 inch: 1.25 hundredths, computed in single precision as the program always
// did, so that a click lands on the same thousandth.
float inchesFromAim(int pixels) {
  return static_cast<float>(pixels) * 1.25f * 0.01f;
}

}  // namespace

const char* ShotStringDialog::fieldLabel(ShotStringField field) {
  return kFields[static_cast<std::size_t>(field)].label;
}

int ShotStringDialog::fieldLimit(ShotStringField field) {
  return kFields[static_cast<std::size_t>(field)].limit;
}

ShotStringDialog::ShotStringDialog(LoadRecord& load, Dialogs& dialogs,
                                   std::filesystem::path startDirectory)
    : load_(load), dialogs_(dialogs), startDirectory_(std::move(startDirectory)) {
  computeStatistics();
  text(ShotStringField::targetDistance) = cformat("%i", cutToInt(load_.targetDistance));
  text(ShotStringField::elevation) = cformat("%i", cutToInt(load_.elevation));
  text(ShotStringField::temp) = cformat("%i", cutToInt(load_.temperature));
  text(ShotStringField::wind) = load_.wind.str();
  text(ShotStringField::notes) = load_.notes.str();
  text(ShotStringField::scopeHeight) = cformat("%02f", static_cast<double>(load_.scopeHeight));
}

void ShotStringDialog::computeStatistics() {
  load_.avGroup = groupSize(load_);
  text(ShotStringField::groupSize) = distanceText(load_.avGroup);
  const ShotStatisticsTexts statistics = shotStatisticsTexts(shotStatistics(load_));
  text(ShotStringField::shots) = statistics.velocity.shots;
  text(ShotStringField::meanVelocity) = statistics.velocity.mean;
  text(ShotStringField::extremeSpread) = statistics.velocity.extremeSpread;
  text(ShotStringField::standardDeviation) = statistics.velocity.standardDeviation;
  text(ShotStringField::meanRadius) = statistics.meanRadius;
}

void ShotStringDialog::showSelectedShot() {
  const ShotRecord& shot = load_.shots[static_cast<std::size_t>(selectedShot_)];
  text(ShotStringField::xDistance) = distanceText(shot.shotX);
  text(ShotStringField::yDistance) = distanceText(shot.shotY);
  text(ShotStringField::radius) = distanceText(shot.shotRadius);
  text(ShotStringField::velocity) = cformat("%0.0f", static_cast<double>(shot.shotVelocity));
  computeStatistics();
}

void ShotStringDialog::selectShot(int number) {
  if (number < 1 || number > kShotCount) return;
  selectedShot_ = number - 1;
  showSelectedShot();
}

void ShotStringDialog::pointerMoved(int x, int y) {
  if (x <= kPointerLeft || y >= kPointerBottom) {
    pointerLeftTarget();
    return;
  }
  pointerOverTarget_ = true;
  pointerX_ = inchesFromAim(x - kAimX);
  pointerY_ = inchesFromAim(kAimY - y);
  pointerXLine_ = cformat("X-Distance %0.3f in\n", static_cast<double>(pointerX_));
  pointerYLine_ = cformat("Y-Distance %0.3f in\n", static_cast<double>(pointerY_));
}

void ShotStringDialog::pointerLeftTarget() {
  if (!pointerOverTarget_) return;
  pointerOverTarget_ = false;
  pointerX_ = 0.0f;
  pointerY_ = 0.0f;
  pointerXLine_.clear();
  pointerYLine_.clear();
}

ShotRecord* ShotStringDialog::editedShot() {
  if (selectedShot_ < 0) {
    dialogs_.messageBox(kNoShotMessage, kNoShotTitle, Buttons::Ok);
    return nullptr;
  }
  return &load_.shots[static_cast<std::size_t>(selectedShot_)];
}

void ShotStringDialog::rightButtonReleased() {
  if (!pointerOverTarget_) return;
  ShotRecord* shot = editedShot();
  if (!shot) return;
  shot->shotX = pointerX_;
  shot->shotY = pointerY_;
  shot->shotRadius = radiusOf(pointerX_, pointerY_);
  shot->shotPlaced = 1;
  showSelectedShot();
}

void ShotStringDialog::typeText(ShotStringField field, std::string typed) {
  text(field) = std::move(typed);
  const std::string& value = text(field);
  switch (field) {
    case ShotStringField::xDistance:
    case ShotStringField::yDistance: {
      ShotRecord* shot = editedShot();
      if (!shot) return;
      float& coordinate = field == ShotStringField::xDistance ? shot->shotX : shot->shotY;
      coordinate = parseStoredDecimal(value);
      shot->shotRadius = radiusOf(shot->shotX, shot->shotY);
      shot->shotPlaced = 1;
      text(ShotStringField::radius) = distanceText(shot->shotRadius);
      computeStatistics();
      return;
    }
    case ShotStringField::velocity: {
      ShotRecord* shot = editedShot();
      if (!shot) return;
      shot->shotVelocity = parseStoredDecimal(value);
      computeStatistics();
      return;
    }
    case ShotStringField::targetDistance:
      load_.targetDistance = static_cast<float>(parseWholeNumber(value));
      return;
    case ShotStringField::elevation:
      load_.elevation = static_cast<float>(parseWholeNumber(value));
      return;
    case ShotStringField::temp:
      load_.temperature = static_cast<float>(parseWholeNumber(value));
      return;
    case ShotStringField::scopeHeight:
      load_.scopeHeight = parseStoredDecimal(value);
      return;
    case ShotStringField::wind:
      load_.wind.assign(value);
      return;
    case ShotStringField::notes:
      load_.notes.assign(value);
      return;
    case ShotStringField::radius:
    case ShotStringField::groupSize:
    case ShotStringField::shots:
    case ShotStringField::meanVelocity:
    case ShotStringField::extremeSpread:
    case ShotStringField::standardDeviation:
    case ShotStringField::meanRadius:
      return;
  }
}

void ShotStringDialog::setHideOthers(bool hide) {
  hideOthers_ = hide;
}

void ShotStringDialog::resetHole() {
  if (selectedShot_ < 0) return;
  ShotRecord& shot = load_.shots[static_cast<std::size_t>(selectedShot_)];
  shot.shotX = shot.shotY = shot.shotRadius = 0.0f;
  shot.shotPlaced = 0;
  showSelectedShot();
}

void ShotStringDialog::resetAll() {
  if (dialogs_.messageBox(kResetAllQuestion, kResetAllTitle, Buttons::OkCancel) != Answer::Ok)
    return;
  for (ShotRecord& shot : load_.shots) {
    shot.shotX = shot.shotY = shot.shotRadius = 0.0f;
    shot.shotPlaced = 0;
  }
  selectedShot_ = 0;
  showSelectedShot();
}

void ShotStringDialog::importVelocities(
    const std::function<bool(ImportVelocitiesDialog&)>& chooseSeries, ChronoKind kind) {
  FilePrompt prompt;
  prompt.defaultExtension = ".csv";
  prompt.filter = kChronoFileFilter;
  prompt.confirmOverwrite = false;
  prompt.initialFolder = startDirectory_;
  const auto file = dialogs_.promptOpen(prompt);
  if (!file) return;

  ChronoFileRead read = readChronoFile(*file, kind);
  if (!read.ok()) {
    if (read.unreadable) {
      dialogs_.messageBox(read.error, kFileErrorTitle, Buttons::Ok);
    } else {
      dialogs_.messageBox(read.error, kNotChronoFileTitle, Buttons::Ok, Icon::Exclamation);
    }
    return;
  }
  ImportVelocitiesDialog choice(file->string(), std::move(read.list));
  if (!choice.canImport()) {
    dialogs_.messageBox(file->string() + " holds no velocities", kNotChronoFileTitle, Buttons::Ok,
                        Icon::Exclamation);
    return;
  }
  if (!chooseSeries(choice) || !choice.accepted()) return;
  if (holdsVelocities(load_) &&
      dialogs_.messageBox(replaceVelocitiesQuestion(choice), kReplaceTitle, Buttons::YesNo,
                          Icon::Question) != Answer::Yes)
    return;
  writeShotVelocities(load_, choice.chosenVelocities());
  if (selectedShot_ >= 0) {
    showSelectedShot();
  } else {
    computeStatistics();
  }
}

void ShotStringDialog::close() {
  double sum = 0.0;
  int placed = 0;
  for (const ShotRecord& shot : load_.shots) {
    if (shot.shotPlaced == 0) continue;
    sum += shot.shotVelocity;
    ++placed;
  }
  load_.avVelocity = placed > 0 ? static_cast<float>(sum / placed) : 0.0f;
  closed_ = true;
}

void ShotStringDialog::paint(Surface& surface) const {
  drawTarget(surface, kTargetLeft, kTargetTop, kTargetScale, selectedShot_, hideOthers_, false,
             &load_);
}

}  // namespace deadhold
