#include "loadinfo/ladder_chart.h"

#include <algorithm>
#include <cmath>

#include "common/cformat.h"
#include "common/folded_compare.h"
#include "common/numbers.h"

namespace deadhold {

bool sameCombination(const LoadRecord& a, const LoadRecord& b) {
  return equalsFolded(a.bulletMfg.view(), b.bulletMfg.view()) &&
         equalsFolded(a.bulletType.view(), b.bulletType.view()) &&
         a.bulletWeight == b.bulletWeight && equalsFolded(a.powderMfg.view(), b.powderMfg.view()) &&
         equalsFolded(a.powderType.view(), b.powderType.view());
}

LadderChart ladderChart(const std::vector<const LoadRecord*>& loads, const LoadRecord& pattern) {
  LadderChart chart;
  chart.title =
      cformat("%s: %s %s %d grn", pattern.caliber.str().c_str(), pattern.bulletMfg.str().c_str(),
              pattern.bulletType.str().c_str(), cutToInt(pattern.bulletWeight));
  const std::string powder = pattern.powderMfg.str() + " " + pattern.powderType.str();
  if (powder != " ") chart.title += ", " + powder;
  for (const LoadRecord* load : loads) {
    if (!sameCombination(*load, pattern)) {
      ++chart.otherCombinations;
      continue;
    }
    const ShotStatistics statistics = shotStatistics(*load);
    if (!std::isfinite(load->powderWeight) || load->powderWeight <= 0.0f) {
      chart.withoutCharge.push_back(load->loadName.str());
      continue;
    }
    if (statistics.velocity.shots == 0) {
      chart.withoutVelocities.push_back(load->loadName.str());
      continue;
    }
    LadderPoint point{load->loadName.str(), load->powderWeight, statistics.velocity, {}};
    if (statistics.holes >= 2) point.groupSize = statistics.groupSize;
    chart.points.push_back(std::move(point));
  }
  std::stable_sort(
      chart.points.begin(), chart.points.end(),
      [](const LadderPoint& a, const LadderPoint& b) { return a.powderWeight < b.powderWeight; });
  return chart;
}

const LoadRecord* commonestCombination(const std::vector<const LoadRecord*>& loads) {
  const LoadRecord* commonest = nullptr;
  long most = 0;
  for (const LoadRecord* load : loads) {
    const long count = std::count_if(loads.begin(), loads.end(), [load](const LoadRecord* other) {
      return sameCombination(*load, *other);
    });
    if (count > most) most = count, commonest = load;
  }
  return commonest;
}

}  // namespace deadhold
