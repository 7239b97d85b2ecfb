#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace deadhold::test {

// What one run of the built deadhold-cli produced.
struct CliRun {
  int exitCode = -1;  // -1 when the process did not exit normally
  std::string out;    // standard output
  std::string err;    // standard error
};

// Runs deadhold-cli (DEADHOLD_CLI) with `args`, standard input empty, in `workingDirectory`
// (the test's own when empty), and collects both output streams separately.
CliRun runCli(const std::vector<std::string>& args,
              const std::filesystem::path& workingDirectory = {});

// The same with another copy of deadhold-cli.
CliRun runProgram(const std::filesystem::path& program, const std::vector<std::string>& args,
                  const std::filesystem::path& workingDirectory = {});

// The lines of a text, without their line feeds; a last line without a line feed counts too.
std::vector<std::string> splitLines(const std::string& text);

}  // namespace deadhold::test
