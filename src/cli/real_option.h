#pragma once

#include <CLI/CLI.hpp>
#include <string>

namespace deadhold::cli {

// A real-number option value: a plain decimal written out in full ("3016", "0.436", "-20",
// "1.5e3"). Blanks, hexadecimal, "inf", "nan", trailing text or a value too large for a double
// throw CLI::ValidationError naming the option, which deadhold-cli reports in one line.
double realOptionValue(const std::string& option, const std::string& text);

// Adds `name` to `command`, storing its value in `target`; the help shows the current value of
// `target` as the default.
CLI::Option* addRealOption(CLI::App& command, const std::string& name, double& target,
                           const std::string& description);

}  // namespace deadhold::cli
