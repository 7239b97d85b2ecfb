#include "loads/shot_statistics.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "common/cformat.h"

namespace deadhold {

VelocityStatistics velocityStatistics(std::span<const double> velocities) {
  VelocityStatistics statistics;
  if (velocities.empty()) return statistics;
  statistics.shots = static_cast<int>(velocities.size());
  double sum = 0.0;
  for (const double v : velocities) sum += v;
  statistics.mean = sum / static_cast<double>(velocities.size());
  const auto [lowest, highest] = std::minmax_element(velocities.begin(), velocities.end());
  statistics.lowest = *lowest;
  statistics.highest = *highest;
  statistics.extremeSpread = *highest - *lowest;
  if (velocities.size() >= 2) {
    // Deviations from the mean, not sums of squares: no cancellation at 3000 ft/s.
    double squares = 0.0;
    for (const double v : velocities) squares += (v - statistics.mean) * (v - statistics.mean);
    statistics.standardDeviation = std::sqrt(squares / static_cast<double>(velocities.size() - 1));
  }
  return statistics;
}

float groupSize(const LoadRecord& load) {
  double largest = 0.0;
  const auto& shots = load.shots;
  for (std::size_t i = 0; i < shots.size(); ++i) {
    if (shots[i].shotPlaced == 0) continue;
    for (std::size_t j = i + 1; j < shots.size(); ++j) {
      if (shots[j].shotPlaced == 0) continue;
      const double dx = shots[i].shotX - shots[j].shotX;
      const double dy = shots[i].shotY - shots[j].shotY;
      largest = std::max(largest, std::sqrt(dx * dx + dy * dy));
    }
  }
  return static_cast<float>(largest);
}

ShotStatistics shotStatistics(const LoadRecord& load) {
  ShotStatistics statistics;
  std::vector<double> velocities;
  double sumX = 0.0;
  double sumY = 0.0;
  for (const ShotRecord& shot : load.shots) {
    // A record from a file may hold anything; only a real speed counts.
    if (std::isfinite(shot.shotVelocity) && shot.shotVelocity > 0.0f)
      velocities.push_back(shot.shotVelocity);
    if (shot.shotPlaced == 0) continue;
    ++statistics.holes;
    sumX += shot.shotX;
    sumY += shot.shotY;
  }
  statistics.velocity = velocityStatistics(velocities);
  statistics.groupSize = groupSize(load);
  if (statistics.holes >= 2) {
    const double centreX = sumX / statistics.holes;
    const double centreY = sumY / statistics.holes;
    double sum = 0.0;
    for (const ShotRecord& shot : load.shots)
      if (shot.shotPlaced != 0) sum += std::hypot(shot.shotX - centreX, shot.shotY - centreY);
    statistics.meanRadius = sum / statistics.holes;
  }
  return statistics;
}

VelocityTexts velocityTexts(const VelocityStatistics& statistics) {
  VelocityTexts texts{cformat("%d", statistics.shots), "", "", ""};
  if (statistics.shots == 0) return texts;
  texts.mean = cformat("%.1f", statistics.mean);
  texts.extremeSpread = cformat("%.1f", statistics.extremeSpread);
  if (statistics.standardDeviation)
    texts.standardDeviation = cformat("%.2f", *statistics.standardDeviation);
  return texts;
}

ShotStatisticsTexts shotStatisticsTexts(const ShotStatistics& statistics) {
  ShotStatisticsTexts texts{velocityTexts(statistics.velocity),
                            cformat("%.3f", statistics.groupSize), ""};
  if (statistics.meanRadius) texts.meanRadius = cformat("%.3f", *statistics.meanRadius);
  return texts;
}

}  // namespace deadhold
