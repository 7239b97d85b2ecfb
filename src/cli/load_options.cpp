#include "load_options.h"

#include <ostream>

#include "ballistics/input_validation.h"
#include "real_option.h"
#include "shell/shell_texts.h"

namespace deadhold::cli {

LoadOptions::LoadOptions(CLI::App& command)
    : inputs_{kDefaultBallisticCoeff, kDefaultBulletWeight, kDefaultMuzzleVelocity,
              kDefaultTargetDistance, kDefaultScopeHeight,  kDefaultTemperature,
              kDefaultAltitude},
      label_(kDefaultLoadLabel) {
  const struct {
    const char* name;
    double& target;
    const char* description;
  } reals[] = {
      {"--bc", inputs_.ballisticCoeff, "G1 ballistic coefficient"},
      {"--weight", inputs_.bulletWeight, "bullet weight, grains"},
      {"--velocity", inputs_.muzzleVelocity, "muzzle velocity, ft/s"},
      {"--zero", inputs_.targetDistance, "target (sight-in) distance, yards"},
      {"--scope", inputs_.scopeHeight, "scope height over the bore, inches"},
      {"--temp", inputs_.temperature, "air temperature, degrees F"},
      {"--altitude", inputs_.altitude, "altitude, feet"},
  };
  for (const auto& real : reals)
    addRealOption(command, real.name, real.target, real.description)->group("Load");
  command.add_option("--label", label_, "name of the load")->default_str(label_)->group("Load");
  command
      .add_flag("--unchecked", unchecked_,
                "compute even when a value lies outside the Ballistics Calculator's ranges")
      ->group("Load");
}

bool LoadOptions::passRangeCheck(std::ostream& errors) const {
  if (unchecked_) return true;
  const std::string message = valueRangeErrorText(inputs_);
  if (message.empty()) return true;
  errors << message << std::flush;
  return false;
}

}  // namespace deadhold::cli
