#include <algorithm>
#include <clocale>
#include <iostream>
#include <utility>
#include <vector>

#include "command_registry.h"

namespace deadhold::cli {
namespace {

std::vector<std::pair<int, CommandSetup>>& registry() {
  static std::vector<std::pair<int, CommandSetup>> commands;
  return commands;
}

}  // namespace

CommandRegistration::CommandRegistration(int rank, CommandSetup setup) {
  registry().emplace_back(rank, setup);
}

}  // namespace deadhold::cli

int main(int argc, char** argv) {
  using namespace deadhold::cli;
  std::setlocale(LC_ALL, "C");

  CLI::App app{"deadhold-cli: the Deadhold ballistics engine, load book and catalogues from the "
               "command line"};
  app.require_subcommand(1);
  int exitStatus = kExitOk;

  auto commands = registry();
  std::stable_sort(commands.begin(), commands.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  for (const auto& [rank, setup] : commands) setup(app, exitStatus);

  // CLI11 would only say that a command is required; name the word it did not know.
  if (argc > 1 && argv[1][0] != '-') {
    const auto known = app.get_subcommands([](CLI::App*) { return true; });
    const bool isKnown = std::any_of(known.begin(), known.end(),
                                     [&](const CLI::App* c) { return c->check_name(argv[1]); });
    if (!isKnown) {
      std::cerr << "deadhold-cli: unknown command '" << argv[1] << "' (see deadhold-cli --help)\n";
      return kExitRefused;
    }
  }

  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp& e) {
    return app.exit(e);
  } catch (const CLI::CallForAllHelp& e) {
    return app.exit(e);
  } catch (const CLI::ParseError& e) {
    std::cerr << "deadhold-cli: " << e.what() << "\n";
    return kExitRefused;
  }
  return exitStatus;
}
