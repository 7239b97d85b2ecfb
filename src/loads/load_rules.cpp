#include "loads/load_rules.h"

#include <algorithm>
#include <cstring>

#include "common/cformat.h"
#include "common/folded_compare.h"
#include "common/numbers.h"
#include "loads/load_messages.h"

namespace deadhold {
namespace {

constexpr const char* kValueRangeWarningHeading =
    "The Following Values are invalid and must be resolved\nbefore you can use this load in the "
    "Ballistics Calculator:\n\n";

double orDefault(float stored, double fallback) { return stored == 0.0f ? fallback : stored; }

}  // namespace

LoadRecord blankLoadRecord() {
  LoadRecord load;
  std::memset(&load, 0, sizeof load);
  load.targetDistance = 250.0f;
  load.elevation = 500.0f;
  load.temperature = 70.0f;
  return load;
}

std::string loadDescription(const LoadRecord& load) {
  return cformat("%s Cal, %s %s, %i grn", load.caliber.str().c_str(), load.bulletMfg.str().c_str(),
                 load.bulletType.str().c_str(), cutToInt(load.bulletWeight));
}

// Both look at the first bytes alone where those decide, so that a walk over a large book
// costs little more than reading its calibers.
bool caliberIsMissing(const LoadRecord& load) {
  if (load.caliber.bytes[0] != ' ' && load.caliber.bytes[0] != '\0') return false;
  const std::string_view caliber = load.caliber.view();
  return std::all_of(caliber.begin(), caliber.end(), [](char c) { return c == ' '; });
}

bool sameCaliber(const LoadRecord& a, const LoadRecord& b) {
  return a.caliber.bytes == b.caliber.bytes || equalsFolded(a.caliber.view(), b.caliber.view());
}

std::optional<std::string> ballisticsValidityWarning(const LoadRecord& load) {
  // Compared in single precision, as stored: a coefficient typed as 0.022 is valid. A NaN
  // fails every comparison and so every test.
  std::string lines;
  if (!(load.ballisticCoeff >= 0.022f && load.ballisticCoeff <= 5.0f))
    lines += cformat("   Ballistic Coeff must be between %.03f and %.02f\n", 0.022, 5.0);
  if (!(load.bulletWeight >= 1.0f && load.bulletWeight <= 900.0f))
    lines += cformat("   Bullet Weight must be between %d and %d\n", 1, 900);
  if (!(load.avVelocity >= 500.0f && load.avVelocity < 4500.0f))
    lines += cformat("   Velocity must be between %d and %d\n", 500, 4500);
  if (lines.empty()) return std::nullopt;
  return kValueRangeWarningHeading + lines;
}

bool checkCaliberPresent(const LoadRecord& load, Dialogs& dialogs) {
  if (!caliberIsMissing(load)) return true;
  dialogs.messageBox(kCaliberMissingMessage, kCaliberMissingTitle, Buttons::Ok);
  return false;
}

bool checkBallisticsValidity(const LoadRecord& load, Dialogs& dialogs) {
  const auto warning = ballisticsValidityWarning(load);
  if (!warning) return true;
  dialogs.messageBox(*warning, kValueRangeWarningTitle, Buttons::Ok);
  return false;
}

float flagValue(bool checked) { return checked ? 1.0f : 0.0f; }

const char* flagReportText(float flag) { return flag != 0.0f ? "Yes" : "No"; }

bool flagChecksBox(float flag) { return cutToInt(flag) != 0; }

BallisticInputs ballisticInputsOf(const LoadRecord& load) {
  BallisticInputs inputs;
  inputs.ballisticCoeff = load.ballisticCoeff;
  inputs.bulletWeight = load.bulletWeight;
  inputs.muzzleVelocity = load.avVelocity;
  inputs.targetDistance = orDefault(load.targetDistance, 250.0);
  inputs.scopeHeight = orDefault(load.scopeHeight, 1.5);
  inputs.temperature = orDefault(load.temperature, 70.0);
  inputs.altitude = orDefault(load.elevation, 500.0);
  return inputs;
}

}  // namespace deadhold
