#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/cli_runner.h"

namespace deadhold::test {
namespace {

TEST(CliCommandLine, UnknownCommandIsNamedInOneLine) {
  const CliRun run = runCli({"nosuch"});
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "deadhold-cli: unknown command 'nosuch' (see deadhold-cli --help)\n");
}

TEST(CliCommandLine, UnknownCommandOfAGroupIsNamedWithTheGroup) {
  const struct {
    std::vector<std::string> args;
    const char* error;
  } cases[] = {
      {{"loads", "lsit"}, "unknown command 'loads lsit' (see deadhold-cli loads --help)"},
      {{"loads", "--db", "BOOK.DAT", "frob", "0"},
       "unknown command 'loads frob' (see deadhold-cli loads --help)"},
      {{"calc", "speed"}, "unknown command 'calc speed' (see deadhold-cli calc --help)"},
      {{"print", "graph", "--pdf", "g.pdf"},
       "unknown command 'print graph' (see deadhold-cli print --help)"},
      {{"components", "cases"},
       "unknown command 'components cases' (see deadhold-cli components --help)"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args[1]);
    const CliRun run = runCli(c.args);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, std::string("deadhold-cli: ") + c.error + "\n");
  }
  // An option's value is not taken for a command.
  const CliRun book = runCli({"loads", "--db", "NONE.DAT", "list"});
  EXPECT_EQ(book.err, "deadhold-cli: Could not read NONE.DAT: No such file or directory\n");
}

TEST(CliCommandLine, AnEmptyFileNameIsRefusedNamingTheArgument) {
  const struct {
    std::vector<std::string> args;
    const char* argument;
  } cases[] = {{{"report", "-o", ""}, "--out"},
               {{"loads", "--db", "", "list"}, "--db"},
               {{"loads", "export", "0", ""}, "FILE"},
               {{"loads", "import", ""}, "FILE"},
               {{"print", "list", "--pdf", ""}, "--pdf"},
               {{"print", "report", "--db", "", "--pdf", "out.pdf"}, "--db"},
               {{"components", "bullets", ""}, "FILE"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args[0] + " " + c.argument);
    const CliRun run = runCli(c.args);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, std::string("deadhold-cli: ") + c.argument +
                           ": a file name is needed, not an empty text\n");
  }
}

TEST(CliCommandLine, HelpCallsTheProgramByItsName) {
  const CliRun run = runCli({"loads", "list", "--help"});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_NE(run.out.find("Usage: deadhold-cli loads list [OPTIONS]"), std::string::npos) << run.out;
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
