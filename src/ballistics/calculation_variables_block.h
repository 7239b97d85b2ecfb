#pragma once

#include <string>

#include "engine/trajectory.h"
#include "platform/surface.h"

namespace deadhold {

// The printout's "Ballistic Calculation Variables": the load's name and the seven inputs in two
// halves of four rows. The right half starts at cut(340 x scale) of the surface itself, not
// relative to x. Draws with fonts and a pen of its own and leaves the surface's as they were.
// Returns the rectangle it used; its bottom is the next free y.
Rect drawCalculationVariables(Surface& surface, int x, int y, double scale,
                              const BallisticInputs& inputs, const std::string& label);

}  // namespace deadhold
