#include <charconv>
#include <iostream>
#include <memory>
#include <string>

#include "ballistics/range_list_format.h"
#include "command_registry.h"
#include "common/cformat.h"
#include "engine/engine.h"
#include "load_options.h"
#include "text_columns.h"

namespace deadhold::cli {
namespace {

constexpr const char* kCsvHeader =
    "range,elevation,velocity,energy,time,drop,maxY,windDeflection,lead5,lead10,lead15,lead20,"
    "lead25,lead30,lead35,lead40,lead45,lead50,lead55,lead60\n";

// What the range list would show for the chosen rows.
std::string textTable(const TrajectoryTable& table, int step, const std::string& label) {
  std::vector<TextRow> rows;
  TextRow headings;
  for (const RangeListColumn& column : kRangeListColumns) headings.push_back(column.heading);
  rows.push_back(headings);
  for (int row = 0; row < kTableRows; row += step) {
    TrajectoryPoint shown = table[row];
    clampListedTime(shown);
    const RangeListCells cells = rangeListCells(shown);
    rows.emplace_back(cells.begin(), cells.end());
  }
  return label + "\n\n" + alignColumns(rows);
}

// The engine's values as they are, for other programs.
std::string csvTable(const TrajectoryTable& table, int step) {
  std::string text = kCsvHeader;
  for (int row = 0; row < kTableRows; row += step) {
    const TrajectoryPoint& p = table[row];
    text += cformat("%.17g,%.17g,%.17g,%.17g,%.17g,%.17g,%.17g,%.17g", p.range, p.elevation,
                    p.velocity, p.energy, p.time, p.drop, p.maxY, p.windDeflection);
    for (double lead : p.lead) text += cformat(",%.17g", lead);
    text += "\n";
  }
  return text;
}

// CLI11's range check would call "ten" a value out of range.
const CLI::Validator kStepCheck(
    [](const std::string& text) -> std::string {
      int step = 0;
      const char* begin = text.data() + (text.size() > 1 && text[0] == '+' ? 1 : 0);
      const auto [end, error] = std::from_chars(begin, text.data() + text.size(), step);
      if (error != std::errc() || end != text.data() + text.size())
        return "'" + text + "' is not a whole number of yards";
      if (step < 1 || step > 1000) return "'" + text + "' is not between 1 and 1000 yards";
      return "";
    },
    "INT in [1 - 1000]");

struct TableCommand {
  explicit TableCommand(CLI::App& command) : load(command) {
    command.add_option("--step", step, "list the rows whose range is a multiple of N yards")
        ->type_name("N")
        ->check(kStepCheck)
        ->default_str("50");
    command.add_option("--format", format, "text: the range list; csv: every value with %.17g")
        ->check(CLI::IsMember({"text", "csv"}))
        ->default_str("text");
  }

  int run() const {
    if (!load.passRangeCheck(std::cerr)) return kExitRefused;
    const auto engine = std::make_unique<Engine>();
    engine->setDiagnosticStream(std::cerr);
    engine->computeTrajectory(load.inputs());
    std::cout << (format == "csv" ? csvTable(engine->table(), step)
                                  : textTable(engine->table(), step, load.label()));
    return kExitOk;
  }

  LoadOptions load;
  int step = 50;
  std::string format = "text";
};

void setupTable(CLI::App& app, int& exitStatus) {
  CLI::App* command = app.add_subcommand(
      "table", "Range table from the muzzle to 1000 yards, as the Ballistics Calculator lists it");
  command->footer(
      "text shows the 20 columns of the range list with its headings and cell formats; like the\n"
      "list, it shows a negative time of flight (a rounding residue at the muzzle) as 0.000 sec.\n"
      "csv prints the engine's values unchanged, one row per line under a header line.\n"
      "The values are checked against the Ballistics Calculator's ranges unless --unchecked.");
  auto state = std::make_shared<TableCommand>(*command);
  command->callback([state, &exitStatus] { exitStatus = state->run(); });
}

const CommandRegistration registration(10, &setupTable);

}  // namespace
}  // namespace deadhold::cli
