#pragma once

#include <optional>
#include <string>

#include "engine/trajectory.h"
#include "loads/load_record.h"
#include "platform/dialogs.h"

namespace deadhold {

// What "New Load" and "Reset Fields" start from: all zero but 250 yd, 500 ft and 70 F.
LoadRecord blankLoadRecord();

// "%s Cal, %s %s, %i grn": the load's name on the ballistics page and the printout.
std::string loadDescription(const LoadRecord& load);

// Missing when empty or made of spaces only; a tab or any other byte counts as text.
bool caliberIsMissing(const LoadRecord& load);
// Whether two loads are of one caliber: their texts compared with A-Z folded.
bool sameCaliber(const LoadRecord& a, const LoadRecord& b);

// The "Value Range Warning" text listing each out-of-range value (coefficient, weight,
// velocity, in that order), or nothing when the load can go to the ballistics calculator.
std::optional<std::string> ballisticsValidityWarning(const LoadRecord& load);

// The checks of the editor's Accept, each showing its own message: whether the caliber is
// present (the load cannot be saved without it), and whether the ballistics values are in range
// (a warning only: the load is saved either way).
bool checkCaliberPresent(const LoadRecord& load, Dialogs& dialogs);
bool checkBallisticsValidity(const LoadRecord& load, Dialogs& dialogs);

// Moly and crimp are stored as 0.0 or 1.0. The report says "Yes" for anything but exactly 0.0;
// a check box is ticked when the value cut to a whole number is not 0 (so 0.5 prints "Yes" but
// leaves the box clear).
float flagValue(bool checked);
const char* flagReportText(float flag);
bool flagChecksBox(float flag);

// The seven inputs of a computation for this load. A stored 0 in the zero range, scope height,
// temperature or elevation was never entered and gives 250 yd, 1.5 in, 70 F or 500 ft.
BallisticInputs ballisticInputsOf(const LoadRecord& load);

}  // namespace deadhold
