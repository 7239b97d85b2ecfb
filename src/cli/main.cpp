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
