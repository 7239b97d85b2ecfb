#include <iostream>
#include <memory>
#include <string>

#include "calculators/bc_calc_dialog.h"
#include "command_registry.h"
#include "common/cformat.h"
#include "message_collector.h"
#include "real_option.h"

namespace deadhold::cli {
namespace {

struct BcCommand {
  explicit BcCommand(CLI::App& command) {
    addRealOption(command, "--weight", weight, "bullet weight, grains (1 to 900)")
        ->default_str("")
        ->required();
    addRealOption(command, "--muzzle", muzzle, "muzzle velocity, ft/s (500 to under 4500)")
        ->default_str("")
        ->required();
    addRealOption(command, "--v100", at100, "velocity at 100 yards, ft/s (over 0, under 4500)")
        ->default_str("")
        ->required();
  }

  // Fills the dialog's fields and presses "&Calculate", as a user of the dialog would.
  int run() const {
    const auto engine = std::make_unique<Engine>();
    engine->setDiagnosticStream(std::cerr);
    MessageCollector messages;
    BcCalcDialog dialog(*engine, messages);
    dialog.setFieldText(BcCalcDialog::Field::BulletWeight, cformat("%.17g", weight));
    dialog.setFieldText(BcCalcDialog::Field::MuzzleVelocity, cformat("%.17g", muzzle));
    dialog.setFieldText(BcCalcDialog::Field::Velocity100, cformat("%.17g", at100));
    if (!dialog.calculateEnabled()) {
      std::cerr << "deadhold-cli: bc: out of range: needs 1 <= --weight <= 900, "
                   "500 <= --muzzle < 4500 and 0 < --v100 < 4500\n";
      return kExitRefused;
    }
    dialog.calculate();
    for (const MessageCollector::Message& message : messages.messages()) {
      if (message.title == BcCalcDialog::kVelocityWarningTitle) {
        std::cerr << "deadhold-cli: " << MessageCollector::oneLine(message) << "\n";
        return kExitRefused;
      }
    }
    std::cout << dialog.resultText() << "\n";
    return kExitOk;
  }

  double weight = 0;
  double muzzle = 0;
  double at100 = 0;
};

void setupBc(CLI::App& app, int& exitStatus) {
  CLI::App* command =
      app.add_subcommand("bc", "G1 ballistic coefficient from the muzzle and 100-yard velocities");
  command->footer(
      "Prints the coefficient as the calculator's result field shows it: with three decimals,\n"
      "just under the true value (the search steps down by 0.01), 0.700 when even 0.6 loses\n"
      "too much velocity, or Unknown when nothing fits. Velocities that drop by more than\n"
      "1000 ft/s in 100 yards are refused.");
  auto state = std::make_shared<BcCommand>(*command);
  command->callback([state, &exitStatus] { exitStatus = state->run(); });
}

const CommandRegistration registration(50, &setupBc);

}  // namespace
}  // namespace deadhold::cli
