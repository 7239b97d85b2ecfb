#pragma once

#include <string>

#include "engine/trajectory.h"

namespace deadhold {

inline constexpr const char* kValueRangeErrorTitle = "Value Range Error";

// The fixed ranges of the Ballistics Calculator's seven inputs. A value outside its range, or
// not a number, is invalid; the velocity is invalid at 4500 already.
bool inputsAreValid(const BallisticInputs& inputs);

// One line per invalid value, in the order coefficient, weight, velocity, target distance,
// scope height, temperature, altitude; empty when all are valid.
std::string invalidValueLines(const BallisticInputs& inputs);

// The text of the "Value Range Error" message: its opening sentence and the lines above.
// Empty when all values are valid.
std::string valueRangeErrorText(const BallisticInputs& inputs);

}  // namespace deadhold
