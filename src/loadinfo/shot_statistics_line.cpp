#include "loadinfo/shot_statistics_line.h"

#include "common/numbers.h"
#include "loads/shot_statistics.h"
#include "platform/fitted_text.h"

namespace deadhold {

std::string shotStatisticsLine(const LoadRecord& load) {
  const ShotStatistics statistics = shotStatistics(load);
  const ShotStatisticsTexts texts = shotStatisticsTexts(statistics);
  const VelocityTexts& v = texts.velocity;
  std::string line;
  if (!v.mean.empty()) {
    line = v.shots + (v.shots == "1" ? " velocity" : " velocities") + ", mean " + v.mean + ", ES " +
           v.extremeSpread;
    if (!v.standardDeviation.empty()) line += ", SD " + v.standardDeviation;
    line += " fps";
  }
  if (!texts.meanRadius.empty()) {
    line += (line.empty() ? "" : "; ") + std::string("group ") + texts.groupSize +
            ", mean radius " + texts.meanRadius + " in";
  }
  return line.empty() ? line : "Shot string: " + line;
}

bool drawShotStatisticsLine(Surface& surface, int x, int y, double k, const LoadRecord* load,
                            int maxWidth, int bottomLimit) {
  if (!load) return false;
  const std::string line = shotStatisticsLine(*load);
  if (line.empty()) return false;
  const SurfaceStateGuard guard(surface);
  surface.setFont({"Arial", cutToInt(12 * k), 400});
  if (y + surface.measureText(line).height > bottomLimit) return false;
  drawFittedText(surface, x, y, line, maxWidth);
  return true;
}

}  // namespace deadhold
