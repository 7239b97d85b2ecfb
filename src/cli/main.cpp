#include <algorithm>
#include <cerrno>
#include <clocale>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "command_registry.h"
#include "common/native_file.h"

namespace deadhold::cli {
namespace {

std::vector<std::pair<int, CommandSetup>>& registry() {
  static std::vector<std::pair<int, CommandSetup>> commands;
  return commands;
}

// The command path (such as "loads lsit") up to the first word that names no command of the
// group before it, or nothing when every command word is known. CLI11 would only say that a
// command is required.
std::optional<std::string> unknownCommand(CLI::App& app, int argc, char** argv) {
  CLI::App* group = &app;
  std::string path;
  for (int i = 1; i < argc; ++i) {
    const std::string word = argv[i];
    if (word == "--") break;
    if (word.size() > 1 && word[0] == '-') {
      // An option's value that follows it is no command word.
      const CLI::Option* option = group->get_option_no_throw(word);
      if (option != nullptr && option->get_type_size() != 0) ++i;
      continue;
    }
    const auto commands = group->get_subcommands([](CLI::App*) { return true; });
    if (commands.empty()) break;  // the words of a command itself
    const auto known = std::find_if(commands.begin(), commands.end(),
                                    [&](const CLI::App* c) { return c->check_name(word); });
    path += word;
    if (known == commands.end()) return path;
    group = *known;
    path += ' ';
  }
  return std::nullopt;
}

// Output that could not be written (a full disk behind a redirection) is a failure, not a
// success that leaves a cut file.
int checkedExit(int status) {
  std::cout.flush();
  const bool failed = std::fflush(stdout) != 0 || std::ferror(stdout) != 0 || !std::cout;
  const int error = errno;
  if (!failed) return status;
  std::cerr << "deadhold-cli: Could not write standard output: " << std::strerror(error) << "\n";
  return kExitRefused;
}

}  // namespace

CommandRegistration::CommandRegistration(int rank, CommandSetup setup) {
  registry().emplace_back(rank, setup);
}

}  // namespace deadhold::cli

int main(int argc, char** argv) {
  using namespace deadhold::cli;
  std::setlocale(LC_ALL, "C");
  // The same bytes on every system: CSV keeps its CR LF, and the text reports choose their own
  // line ends, as the files the program writes have them.
  deadhold::native::passBytesUnchanged(stdout);
  deadhold::native::passBytesUnchanged(stderr);

  CLI::App app{
      "deadhold-cli: the Deadhold ballistics engine, load book and catalogues from the "
      "command line",
      "deadhold-cli"};
  app.require_subcommand(1);
  int exitStatus = kExitOk;

  auto commands = registry();
  std::stable_sort(commands.begin(), commands.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  for (const auto& [rank, setup] : commands) setup(app, exitStatus);

  if (const auto unknown = unknownCommand(app, argc, argv)) {
    const std::string group = unknown->substr(0, unknown->find_last_of(' ') + 1);
    std::cerr << "deadhold-cli: unknown command '" << *unknown << "' (see deadhold-cli " << group
              << "--help)\n";
    return kExitRefused;
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
  return checkedExit(exitStatus);
}
