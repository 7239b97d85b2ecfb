#pragma once

#include <optional>
#include <string>
#include <vector>

#include "chrono/chrono_series.h"
#include "chrono/chrono_text.h"

namespace deadhold {

// One reader per file format. Each answers nothing when the text is not in its format; a text
// in its format that cannot be taken (a unit it does not know) comes back with a refusal.
struct ChronoReading {
  ChronoSeriesList list;
  std::string refusal;
};

// LabRadar series report: "Series No;0001;;", "Units velocity;fps;;", then shot id and V0.
std::optional<ChronoReading> readLabRadar(const ChronoText& text);
// Garmin Xero C1: the series name, a header whose speed column names FPS or MPS, shot rows.
std::optional<ChronoReading> readGarmin(const ChronoText& text);
// MagnetoSpeed LOG.CSV: series after "Series,N,Shots:,M" lines, the unit in every shot row.
std::optional<ChronoReading> readMagnetoSpeed(const ChronoText& text);
// One velocity per line, or a table with a column headed "vel..." or "...speed...".
std::optional<ChronoReading> readPlainVelocities(const ChronoText& text);

}  // namespace deadhold
