#pragma once

#include <string>
#include <vector>

namespace deadhold {

// One string of shots as a chronograph recorded it: its name or number as the file gives it,
// and the velocities in ft/s in the order they were fired.
struct ChronoSeries {
  std::string name;
  std::vector<double> velocities;
};

// What a reader made of a file: its series, and what it had to leave out (a shot row cut short
// at the end of a file, shots a series announces but does not hold).
struct ChronoSeriesList {
  std::vector<ChronoSeries> series;
  std::vector<std::string> warnings;
};

}  // namespace deadhold
