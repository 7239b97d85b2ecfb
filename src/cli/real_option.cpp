#include "real_option.h"

#include <cmath>
#include <cstdlib>

#include "common/cformat.h"

namespace deadhold::cli {

double realOptionValue(const std::string& option, const std::string& text) {
  // strtod alone would also take blanks, hexadecimal, "inf" and "nan"; the character set rules
  // them out, and the end pointer rules out anything after the number.
  const bool plain =
      !text.empty() && text.find_first_not_of("0123456789+-.eE") == std::string::npos;
  char* end = nullptr;
  const double value = plain ? std::strtod(text.c_str(), &end) : 0;
  if (!plain || end != text.c_str() + text.size() || !std::isfinite(value))
    throw CLI::ValidationError(option, "'" + text + "' is not a number");
  return value;
}

CLI::Option* addRealOption(CLI::App& command, const std::string& name, double& target,
                           const std::string& description) {
  return command
      .add_option_function<std::string>(
          name, [name, &target](const std::string& text) { target = realOptionValue(name, text); },
          description)
      ->default_str(cformat("%g", target))
      ->type_name("X");
}

}  // namespace deadhold::cli
