#include "loadinfo/velocity_import.h"

#include <algorithm>
#include <cmath>

#include "common/cformat.h"
#include "loads/shot_statistics.h"

namespace deadhold {

ImportVelocitiesDialog::ImportVelocitiesDialog(std::string fileName, ChronoSeriesList list)
    : fileName_(std::move(fileName)), list_(std::move(list)) {
  for (const ChronoSeries& series : list_.series) {
    const VelocityTexts texts = velocityTexts(velocityStatistics(series.velocities));
    rows_.push_back(
        {series.name, texts.shots, texts.mean, texts.extremeSpread, texts.standardDeviation});
  }
  const auto withShots = std::find_if(list_.series.begin(), list_.series.end(),
                                      [](const ChronoSeries& s) { return !s.velocities.empty(); });
  if (withShots != list_.series.end())
    chooseSeries(static_cast<int>(withShots - list_.series.begin()));
}

void ImportVelocitiesDialog::chooseSeries(int row) {
  if (row < 0 || row >= static_cast<int>(rows_.size())) return;
  chosen_ = row;
  first_ = 1;
}

int ImportVelocitiesDialog::lastFirstShot() const {
  if (chosen_ < 0) return 1;
  const int shots =
      static_cast<int>(list_.series[static_cast<std::size_t>(chosen_)].velocities.size());
  return std::max(1, shots - kShotCount + 1);
}

void ImportVelocitiesDialog::chooseFirstShot(int shot) {
  first_ = std::clamp(shot, 1, lastFirstShot());
}

bool ImportVelocitiesDialog::canImport() const {
  return chosen_ >= 0 && !list_.series[static_cast<std::size_t>(chosen_)].velocities.empty();
}

std::span<const double> ImportVelocitiesDialog::chosenVelocities() const {
  if (!canImport()) return {};
  const std::vector<double>& all = list_.series[static_cast<std::size_t>(chosen_)].velocities;
  const std::size_t start = static_cast<std::size_t>(first_ - 1);
  return std::span<const double>(all).subspan(
      start, std::min<std::size_t>(kShotCount, all.size() - start));
}

const std::string& ImportVelocitiesDialog::chosenName() const {
  static const std::string none;
  return chosen_ >= 0 ? list_.series[static_cast<std::size_t>(chosen_)].name : none;
}

std::string ImportVelocitiesDialog::rangeText() const {
  if (!canImport()) return "This series holds no shots";
  const int taken = static_cast<int>(chosenVelocities().size());
  const int total =
      static_cast<int>(list_.series[static_cast<std::size_t>(chosen_)].velocities.size());
  return cformat("Shots %d to %d of %d become shots 1 to %d", first_, first_ + taken - 1, total,
                 taken);
}

void writeShotVelocities(LoadRecord& load, std::span<const double> velocities) {
  for (std::size_t i = 0; i < load.shots.size(); ++i)
    load.shots[i].shotVelocity = i < velocities.size() ? static_cast<float>(velocities[i]) : 0.0f;
}

bool holdsVelocities(const LoadRecord& load) {
  return std::any_of(load.shots.begin(), load.shots.end(),
                     [](const ShotRecord& shot) { return shot.shotVelocity != 0.0f; });
}

std::string replaceVelocitiesQuestion(const ImportVelocitiesDialog& choice) {
  const int taken = static_cast<int>(choice.chosenVelocities().size());
  std::string question = "Replace the velocities of this load's shots with those of series " +
                         choice.chosenName() + "?\n" + choice.rangeText() + ".";
  if (taken < kShotCount)
    question += cformat(" Shots %d to %d keep no velocity.", taken + 1, kShotCount);
  return question + "\nHoles and every other field stay as they are.";
}

}  // namespace deadhold
