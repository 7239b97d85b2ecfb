#include <functional>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "calculators/energy_dialog.h"
#include "calculators/recoil_dialog.h"
#include "calculators/sectional_density_dialog.h"
#include "calculators/taylor_ko_dialog.h"
#include "command_registry.h"
#include "common/cformat.h"
#include "real_option.h"

namespace deadhold::cli {
namespace {

struct CalculatorCommand {
  const char* name;
  const char* description;
  std::function<std::unique_ptr<SmallCalculator>()> open;
  // One option per input field of the calculator, in field order.
  std::vector<std::pair<const char*, const char*>> options;
  const char* ranges;  // when the compute button is enabled
};

const std::vector<CalculatorCommand>& calculatorCommands() {
  static const std::vector<CalculatorCommand> commands{
      {"sd",
       "Sectional density of a bullet",
       [] { return std::make_unique<SectionalDensityDialog>(); },
       {{"--weight", "bullet weight, grains"}, {"--diameter", "bullet diameter, inches"}},
       "--weight <= 900 and 0.1 <= --diameter <= 1"},
      {"energy",
       "Energy of a bullet",
       [] { return std::make_unique<EnergyDialog>(); },
       {{"--weight", "bullet weight, grains"}, {"--velocity", "velocity, ft/s"}},
       "500 <= --velocity < 4500 and 1 <= --weight <= 900"},
      {"recoil",
       "Free recoil energy and velocity of a gun",
       [] { return std::make_unique<RecoilDialog>(); },
       {{"--weight", "bullet weight, grains"},
        {"--velocity", "bullet velocity, ft/s"},
        {"--powder", "powder weight, grains"},
        {"--gun", "total gun weight, pounds"}},
       "500 <= --velocity < 4500, 1 <= --weight <= 900, 1 <= --powder <= 300 and "
       "1 <= --gun <= 50"},
      {"ko",
       "Taylor knock-out factor",
       [] { return std::make_unique<TaylorKoDialog>(); },
       {{"--weight", "bullet weight, grains"},
        {"--velocity", "bullet velocity, ft/s"},
        {"--caliber", "bullet caliber, inches"}},
       "500 <= --velocity < 4500, 1 <= --weight <= 900 and 0.177 <= --caliber <= 0.7"},
  };
  return commands;
}

// Types the values into the calculator and presses its compute button; prints each result as
// "label<TAB>text".
int runCalculator(const CalculatorCommand& kind, const std::vector<double>& values) {
  const std::unique_ptr<SmallCalculator> calculator = kind.open();
  for (std::size_t i = 0; i < values.size(); ++i)
    calculator->setFieldText(i, cformat("%.17g", values[i]));
  if (!calculator->computeEnabled()) {
    std::cerr << "deadhold-cli: calc " << kind.name << ": out of range: needs " << kind.ranges
              << "\n";
    return kExitRefused;
  }
  calculator->compute();
  const std::vector<const char*>& labels = calculator->layout().resultLabels;
  for (std::size_t i = 0; i < labels.size(); ++i)
    std::cout << labels[i] << '\t' << calculator->resultText(i) << '\n';
  return kExitOk;
}

void setupCalc(CLI::App& app, int& exitStatus) {
  CLI::App* calc = app.add_subcommand("calc", "The small calculators of the Misc Functions page");
  calc->require_subcommand(1);
  calc->footer(
      "Prints each result as its label, a TAB and the text the calculator shows. Values outside\n"
      "the ranges for which the calculator's button is enabled are refused.");
  for (const CalculatorCommand& kind : calculatorCommands()) {
    CLI::App* command = calc->add_subcommand(kind.name, kind.description);
    command->footer(std::string("Ranges: ") + kind.ranges);
    auto values = std::make_shared<std::vector<double>>(kind.options.size());
    for (std::size_t i = 0; i < kind.options.size(); ++i)
      addRealOption(*command, kind.options[i].first, (*values)[i], kind.options[i].second)
          ->default_str("")
          ->required();
    command->callback([&kind, values, &exitStatus] { exitStatus = runCalculator(kind, *values); });
  }
}

const CommandRegistration registration(51, &setupCalc);

}  // namespace
}  // namespace deadhold::cli
