#include "chrono_options.h"

#include "loads/shot_statistics.h"

namespace deadhold::cli {

void addChronoKindOption(CLI::App& command, std::string& kind) {
  command.add_option("--kind", kind, "the file's format; auto tells it from the content")
      ->check(CLI::IsMember({"auto", "labradar", "garmin", "magnetospeed", "plain"}))
      ->default_str("auto");
}

std::string seriesSummary(const ChronoSeries& series) {
  const VelocityTexts texts = velocityTexts(velocityStatistics(series.velocities));
  std::string summary = texts.shots + (texts.shots == "1" ? " shot" : " shots");
  if (!texts.mean.empty()) summary += ", mean " + texts.mean + ", ES " + texts.extremeSpread;
  if (!texts.standardDeviation.empty()) summary += ", SD " + texts.standardDeviation;
  return summary + (texts.mean.empty() ? "" : " ft/s");
}

}  // namespace deadhold::cli
