#pragma once

#include <optional>
#include <span>
#include <string>

#include "loads/load_record.h"

namespace deadhold {

// Mean, extreme spread and sample standard deviation (n - 1) of a string of velocities.
struct VelocityStatistics {
  int shots = 0;
  double mean = 0.0;
  double lowest = 0.0;
  double highest = 0.0;
  double extremeSpread = 0.0;
  std::optional<double> standardDeviation;  // from two shots on
};

VelocityStatistics velocityStatistics(std::span<const double> velocities);

// What a load's shot string says: the velocities of every shot that has one (> 0), placed on
// the target or not, and the holes of the placed shots. The load's own average velocity is
// another figure: the target view sets it from the placed shots only.
struct ShotStatistics {
  VelocityStatistics velocity;
  int holes = 0;
  double groupSize = 0.0;
  // Mean distance of the holes from the group's centre, from two holes on.
  std::optional<double> meanRadius;
};

ShotStatistics shotStatistics(const LoadRecord& load);

// The largest centre-to-centre distance between two placed holes, 0 with fewer than two: the
// group size the target view stores in the load.
float groupSize(const LoadRecord& load);

// The figures as the program shows them everywhere ("%d", "%.1f" ft/s, "%.2f" for the standard
// deviation, "%.3f" inches); a figure that does not exist yet is an empty text.
struct VelocityTexts {
  std::string shots;
  std::string mean;
  std::string extremeSpread;
  std::string standardDeviation;
};
VelocityTexts velocityTexts(const VelocityStatistics& statistics);

struct ShotStatisticsTexts {
  VelocityTexts velocity;
  std::string groupSize;
  std::string meanRadius;
};
ShotStatisticsTexts shotStatisticsTexts(const ShotStatistics& statistics);

}  // namespace deadhold
