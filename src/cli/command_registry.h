#pragma once

#include <CLI/CLI.hpp>

namespace deadhold::cli {

// Exit status of deadhold-cli: 0 done, 2 refused (bad arguments, out-of-range values, file errors).
inline constexpr int kExitOk = 0;
inline constexpr int kExitRefused = 2;

// A command group adds its subcommands to the application; the one that runs stores its exit
// status. Groups register themselves from their own file, in the order given by `rank`, so that
// --help lists them in a stable order.
using CommandSetup = void (*)(CLI::App& app, int& exitStatus);

struct CommandRegistration {
  CommandRegistration(int rank, CommandSetup setup);
};

}  // namespace deadhold::cli
