#include <gtest/gtest.h>

#include "cli/cli_runner.h"

namespace deadhold::test {
namespace {

TEST(CliCommandLine, UnknownCommandIsNamedInOneLine) {
  const CliRun run = runCli({"nosuch"});
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "deadhold-cli: unknown command 'nosuch' (see deadhold-cli --help)\n");
}

TEST(CliCommandLine, NoCommandIsRefusedAndHelpListsEveryGroup) {
  EXPECT_EQ(runCli({}).exitCode, 2);
  const CliRun help = runCli({"--help"});
  EXPECT_EQ(help.exitCode, 0);
  for (const char* command : {"table", "dhr", "report", "loads", "components", "bc", "calc",
                              "taylor", "convert"})
    EXPECT_NE(help.out.find(command), std::string::npos) << command;
}

}  // namespace
}  // namespace deadhold::test
