#pragma once

#include <sstream>

#include "engine/engine.h"

namespace deadhold {

inline constexpr BallisticInputs kDefaultLoad{0.436, 130, 3016, 250, 1.5, 70, 500};

// An engine whose diagnostic lines are kept for the test instead of going to standard output.
struct QuietEngine : Engine {
  QuietEngine() { setDiagnosticStream(diagnostics); }
  std::ostringstream diagnostics;
};

}  // namespace deadhold
