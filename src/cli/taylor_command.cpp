#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "calculators/caliber_dialog.h"
#include "calculators/taylor_ko_table_dialog.h"
#include "command_registry.h"
#include "common/cformat.h"
#include "load_options.h"
#include "message_collector.h"
#include "real_option.h"
#include "text_columns.h"

namespace deadhold::cli {
namespace {

struct TaylorCommand {
  explicit TaylorCommand(CLI::App& command) : load(command) {
    addRealOption(command, "--caliber", caliber, "bullet caliber, inches (over 0, under 1)")
        ->default_str("")
        ->required();
  }

  // Computes the load as the Ballistics Calculator does, then opens the table on it with the
  // caliber typed into its caliber entry.
  int run() const {
    CaliberDialog entry;
    entry.setFieldText(cformat("%.17g", caliber));
    if (!entry.acceptEnabled()) {
      std::cerr << "deadhold-cli: " << TaylorKoTableDialog::kInvalidCaliberTitle << ": "
                << TaylorKoTableDialog::kInvalidCaliberMessage << "\n";
      return kExitRefused;
    }
    if (!load.passRangeCheck(std::cerr)) return kExitRefused;
    const auto engine = std::make_unique<Engine>();
    engine->setDiagnosticStream(std::cerr);
    engine->computeTrajectory(load.inputs());

    MessageCollector messages;
    TaylorKoTableDialog table(*engine, messages);
    table.initialise(entry.accept());
    std::vector<TextRow> rows{TextRow(TaylorKoTableDialog::kColumnHeadings.begin(),
                                      TaylorKoTableDialog::kColumnHeadings.end())};
    for (const TaylorKoRow& row : table.rows()) {
      rows.push_back({row.species});
      rows.back().insert(rows.back().end(), row.ratings.begin(), row.ratings.end());
    }
    std::cout << load.label() << "\n" << table.informationLine() << "\n\n" << alignColumns(rows);
    return kExitOk;
  }

  LoadOptions load;
  double caliber = 0;
};

void setupTaylor(CLI::App& app, int& exitStatus) {
  CLI::App* command = app.add_subcommand(
      "taylor", "Taylor KO ratings of a load for fourteen species at 100 to 800 yards");
  command->footer(
      "Computes the load's range table, then rates its knock-out value (weight x velocity x\n"
      "caliber / 7000) at each hundred yards against each species: Excellent, Good, Marginal\n"
      "or Poor. Distances the bullet does not reach rate Poor. The values are checked against\n"
      "the Ballistics Calculator's ranges unless --unchecked.");
  auto state = std::make_shared<TaylorCommand>(*command);
  command->callback([state, &exitStatus] { exitStatus = state->run(); });
}

const CommandRegistration registration(52, &setupTaylor);

}  // namespace
}  // namespace deadhold::cli
