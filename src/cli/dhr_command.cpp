#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "command_registry.h"
#include "common/cformat.h"
#include "common/numbers.h"
#include "engine/kill_zone_search.h"
#include "load_options.h"
#include "real_option.h"
#include "text_columns.h"

namespace deadhold::cli {
namespace {

struct DeadholdRange {
  double height;
  KillZoneResult result;
};

std::string textTable(const std::vector<DeadholdRange>& ranges, const std::string& label) {
  std::vector<TextRow> rows{{"KillZone", "Zero Dist", "Max Dist"}};
  for (const DeadholdRange& r : ranges)
    rows.push_back({cformat("%g in", r.height), cformat("%d yrds", cutToInt(r.result.zeroDistance)),
                    cformat("%d yrds", r.result.maxRange)});
  return label + "\n\n" + alignColumns(rows);
}

std::string csvTable(const std::vector<DeadholdRange>& ranges) {
  std::string text = "height,zero,max\n";
  for (const DeadholdRange& r : ranges)
    text += cformat("%g,%d,%d\n", r.height, cutToInt(r.result.zeroDistance), r.result.maxRange);
  return text;
}

struct DhrCommand {
  explicit DhrCommand(CLI::App& command) : load(command) {
    command
        .add_option_function<std::vector<std::string>>(
            "--height",
            [this](const std::vector<std::string>& texts) {
              heights.clear();
              for (const std::string& text : texts) {
                const double height = realOptionValue("--height", text);
                if (height < 0)
                  throw CLI::ValidationError("--height", "'" + text + "' is below 0 inches");
                heights.push_back(height);
              }
            },
            "kill-zone height (diameter of the vital zone) in inches; repeatable")
        ->type_name("D")
        ->default_str("4 6 8 10 12");
    command.add_option("--format", format, "text or csv")
        ->check(CLI::IsMember({"text", "csv"}))
        ->default_str("text");
  }

  int run() const {
    if (!load.passRangeCheck(std::cerr)) return kExitRefused;
    const auto engine = std::make_unique<Engine>();
    engine->setDiagnosticStream(std::cerr);
    std::vector<DeadholdRange> ranges;
    for (double height : heights)
      ranges.push_back({height, searchKillZoneRange(*engine, load.inputs(), height)});
    std::cout << (format == "csv" ? csvTable(ranges) : textTable(ranges, load.label()));
    return kExitOk;
  }

  LoadOptions load;
  std::vector<double> heights{4, 6, 8, 10, 12};
  std::string format = "text";
};

void setupDhr(CLI::App& app, int& exitStatus) {
  CLI::App* command = app.add_subcommand(
      "dhr",
      "Maximum Deadhold range: where to sight in for a kill zone, and how far to hold dead on");
  command->footer(
      "For each height the search starts from the target distance (--zero) and finds the\n"
      "nearest whole-yard sight-in distance at which the path rises to half the height; Max Dist\n"
      "is the first yard where it has fallen half the height below the line of sight. The\n"
      "sight-in distance stays within 0 to 1000 yards; Max Dist is the last yard of the table\n"
      "when the path never falls that far. The values are checked against the Ballistics\n"
      "Calculator's ranges unless --unchecked.");
  auto state = std::make_shared<DhrCommand>(*command);
  command->callback([state, &exitStatus] { exitStatus = state->run(); });
}

const CommandRegistration registration(11, &setupDhr);

}  // namespace
}  // namespace deadhold::cli
