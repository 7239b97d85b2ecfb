#include <iostream>
#include <memory>
#include <string>

#include "ballistics/ballistics_page.h"
#include "ballistics/ballistics_page_texts.h"
#include "ballistics/ballistics_report.h"
#include "ballistics/range_list_format.h"
#include "command_registry.h"
#include "common/ansi_text.h"
#include "common/numbers.h"
#include "common/safe_file_writer.h"
#include "engine/engine.h"
#include "file_name_check.h"
#include "load_options.h"

namespace deadhold::cli {
namespace {

struct ReportCommand {
  explicit ReportCommand(CLI::App& command) : load(command) {
    command.add_option("-o,--out", out, "write the report to FILE instead of standard output")
        ->type_name("FILE")
        ->check(kFileNameCheck);
  }

  int run() const {
    if (!load.passRangeCheck(std::cerr)) return kExitRefused;
    const auto engine = std::make_unique<Engine>();
    engine->setDiagnosticStream(std::cerr);
    engine->computeTrajectory(load.inputs());
    // The list the page shows after Re-Compute clamps the times it lists in the table itself.
    const int increment = cutToInt(kRangeIncrements[kInitialRangeIncrementEntry]);
    std::vector<RangeListCells> listed;
    listRangeRows(engine->table(), increment, listed);
    const std::string label = load.ansiLabel().substr(0, BallisticsPage::kLabelCapacity);
    const std::string report = ballisticsReport(load.inputs(), label, engine->table());
    if (out.empty()) {
      std::cout << withTextLineEnds(ansiToUtf8(report)) << std::flush;
      return kExitOk;
    }
    if (const auto error = writeTextFileSafely(out, report)) {
      std::cerr << "deadhold-cli: " << error->message << "\n";
      return kExitRefused;
    }
    return kExitOk;
  }

  LoadOptions load;
  std::string out;
};

void setupReport(CLI::App& app, int& exitStatus) {
  CLI::App* command = app.add_subcommand(
      "report", "The Ballistics Calculator's text report (BALLISTIC.TXT) for a load");
  command->footer(
      "Writes what \"Save to TXT\" writes after Re-Compute with these values: the load block, "
      "then\n"
      "the ballistic and moving-target lead tables every 25 yards to 800 yards. Lines end in a\n"
      "line feed. A file named with --out is replaced safely: a write that fails leaves it as it\n"
      "was. The values are checked against the Ballistics Calculator's ranges unless --unchecked.");
  auto state = std::make_shared<ReportCommand>(*command);
  command->callback([state, &exitStatus] { exitStatus = state->run(); });
}

const CommandRegistration registration(12, &setupReport);

}  // namespace
}  // namespace deadhold::cli
