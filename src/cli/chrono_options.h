#pragma once

#include <CLI/CLI.hpp>
#include <string>

#include "chrono/chrono_series.h"

namespace deadhold::cli {

// --kind auto|labradar|garmin|magnetospeed|plain, for the commands that read chronograph files.
void addChronoKindOption(CLI::App& command, std::string& kind);

// "5 shots, mean 2802.2, ES 15.0, SD 5.89 ft/s": what the text outputs say of a series.
std::string seriesSummary(const ChronoSeries& series);

}  // namespace deadhold::cli
