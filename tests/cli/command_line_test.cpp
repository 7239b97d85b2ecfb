#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "cli/cli_runner.h"
#include "support/temp_folder.h"

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
  const testing::TempFolder folder;  // where a failing refusal would write
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args[0] + " " + c.argument);
    const CliRun run = runCli(c.args, folder.path());
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, std::string("deadhold-cli: ") + c.argument +
                           ": a file name is needed, not an empty text\n");
  }
}

// Runs deadhold-cli with its standard output on a full device; answers its exit status and what
// it said on standard error.
std::pair<int, std::string> runIntoFullDevice(const std::string& arguments) {
  const testing::TempFolder folder;
  const std::string line = std::string("'") + DEADHOLD_CLI + "' " + arguments + " >/dev/full 2>'" +
                           (folder / "err").string() + "'";
  const int status = std::system(line.c_str());
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, testing::readBytes(folder / "err")};
}

TEST(CliCommandLine, OutputThatCannotBeWrittenIsAFailure) {
  const std::string primers = std::string(DEADHOLD_RESOURCES_DIR) + "/PRIMERS.TXT";
  for (const std::string& arguments : {std::string("convert 100 m"), std::string("table --step 1"),
                                       "components primers " + primers}) {
    SCOPED_TRACE(arguments);
    const auto [status, err] = runIntoFullDevice(arguments);
    EXPECT_EQ(status, 2);
    EXPECT_EQ(err, "deadhold-cli: Could not write standard output: No space left on device\n");
  }
  // A command refused for its own reason says only that.
  const auto [status, err] = runIntoFullDevice("loads --db NONE.DAT list");
  EXPECT_EQ(status, 2);
  EXPECT_EQ(err, "deadhold-cli: Could not read NONE.DAT: No such file or directory\n");
}

TEST(CliCommandLine, HelpCallsTheProgramByItsName) {
  const CliRun run = runCli({"loads", "list", "--help"});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_NE(run.out.find("Usage: deadhold-cli loads list [OPTIONS]"), std::string::npos) << run.out;
  // The book's option belongs to the group, yet each command's help tells of it.
  for (const char* command : {"list", "show", "export", "import", "repair"}) {
    const CliRun help = runCli({"loads", command, "--help"});
    EXPECT_NE(help.out.find("unless --db FILE"), std::string::npos) << command;
  }
}

TEST(CliCommandLine, NoCommandIsRefusedAndHelpListsEveryGroup) {
  EXPECT_EQ(runCli({}).exitCode, 2);
  const CliRun help = runCli({"--help"});
  EXPECT_EQ(help.exitCode, 0);
  for (const char* command :
       {"table", "dhr", "report", "loads", "components", "bc", "calc", "taylor", "convert"})
    EXPECT_NE(help.out.find(command), std::string::npos) << command;
}

}  // namespace
}  // namespace deadhold::test
