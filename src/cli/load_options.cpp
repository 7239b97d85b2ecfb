#include "load_options.h"

#include <ostream>

#include "ballistics/input_validation.h"
#include "common/ansi_text.h"
#include "common/cformat.h"
#include "common/numbers.h"
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
  labelOption_ = command
                     .add_option("--label", label_,
                                 "name of the load; without it, the default load's name for the "
                                 "default load, \"BC 0.500, 150 grn, 2900 fps\" for another")
                     ->group("Load");
  command
      .add_flag("--unchecked", unchecked_,
                "compute even when a value lies outside the Ballistics Calculator's ranges")
      ->group("Load");
}

std::string LoadOptions::label() const {
  const bool defaultLoad = inputs_.ballisticCoeff == kDefaultBallisticCoeff &&
                           inputs_.bulletWeight == kDefaultBulletWeight &&
                           inputs_.muzzleVelocity == kDefaultMuzzleVelocity;
  if (labelOption_->count() > 0 || defaultLoad) return label_;
  return cformat("BC %.03f, %i grn, %i fps", inputs_.ballisticCoeff, cutToInt(inputs_.bulletWeight),
                 cutToInt(inputs_.muzzleVelocity));
}

std::string LoadOptions::ansiLabel() const { return utf8ToAnsi(label()); }

bool LoadOptions::passRangeCheck(std::ostream& errors) const {
  if (unchecked_) return true;
  const std::string message = valueRangeErrorText(inputs_);
  if (message.empty()) return true;
  errors << message << std::flush;
  return false;
}

}  // namespace deadhold::cli
