#include <array>
#include <iostream>
#include <memory>
#include <string>

#include "calculators/unit_converter_dialog.h"
#include "command_registry.h"
#include "real_option.h"

namespace deadhold::cli {
namespace {

using Converter = UnitConverterDialog;

// The converter's fields by the names the command takes, in field order.
constexpr std::array<const char*, Converter::kFieldCount> kUnitNames{
    "inches", "feet", "yards", "mm", "cm", "m", "fps", "mps", "mph", "kph", "f", "c"};

int fieldNamed(const std::string& unit) {
  for (int field = 1; field <= Converter::kFieldCount; ++field)
    if (unit == kUnitNames[static_cast<std::size_t>(field - 1)]) return field;
  return Converter::kNoField;
}

struct ConvertCommand {
  explicit ConvertCommand(CLI::App& command) {
    command
        .add_option_function<std::string>(
            "VALUE",
            [this](const std::string& text) {
              realOptionValue("VALUE", text);
              value = text;
            },
            "the number to convert")
        ->required();
    command.add_option("UNIT", unit, "its unit")
        ->required()
        ->check(CLI::IsMember(std::vector<std::string>(kUnitNames.begin(), kUnitNames.end())));
  }

  // Types the value into its field and prints every other field of the same quantity.
  int run() const {
    const int typed = fieldNamed(unit);
    Converter converter;
    converter.setFieldText(typed, value);
    for (int field = 1; field <= Converter::kFieldCount; ++field) {
      if (field == typed || Converter::info(field).quantity != Converter::info(typed).quantity)
        continue;
      std::cout << kUnitNames[static_cast<std::size_t>(field - 1)] << '\t'
                << converter.fieldText(field) << '\n';
    }
    return kExitOk;
  }

  std::string value;
  std::string unit;
};

void setupConvert(CLI::App& app, int& exitStatus) {
  CLI::App* command =
      app.add_subcommand("convert", "English/metric conversion of a length, speed or temperature");
  command->footer(
      "UNIT is one of inches, feet, yards, mm, cm, m (length); fps, mps, mph, kph (speed);\n"
      "f, c (temperature). Prints each other unit of the same quantity, a TAB and the value\n"
      "as the unit converter shows it (three decimals).");
  auto state = std::make_shared<ConvertCommand>(*command);
  command->callback([state, &exitStatus] { exitStatus = state->run(); });
}

const CommandRegistration registration(53, &setupConvert);

}  // namespace
}  // namespace deadhold::cli
