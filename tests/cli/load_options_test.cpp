#include <gtest/gtest.h>

#include "cli/cli_runner.h"
#include "support/temp_folder.h"

namespace deadhold::test {
namespace {

constexpr const char* kLoadOptions[] = {"--bc",    "--weight", "--velocity", "--zero",
                                        "--scope", "--temp",   "--altitude"};

void expectRefusedNaming(const char* option, const char* text) {
  SCOPED_TRACE(std::string(option) + " '" + text + "'");
  const CliRun run = runCli({"table", option, text});
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_EQ(run.out, "");
  ASSERT_EQ(splitLines(run.err).size(), 1u) << run.err;
  EXPECT_NE(run.err.find(option), std::string::npos) << run.err;
}

TEST(CliLoadOptions, ValueThatIsNotEntirelyANumberNamesTheOption) {
  for (const char* option : kLoadOptions) expectRefusedNaming(option, "12abc");
  for (const char* text : {"abc", "0.4x", "", " 5", "nan", "inf", "0x10", "1e999", "1,5"})
    expectRefusedNaming("--velocity", text);
}

TEST(CliLoadOptions, RealNumbersInEveryPlainForm) {
  const CliRun run = runCli({"dhr", "--format", "csv", "--height", "6", "--bc", "4.36e-1",
                             "--weight", "130.0", "--velocity=3016", "--zero", "+250", "--scope",
                             ".15E1", "--temp", "70", "--altitude", "500"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, "height,zero,max\n6,254,298\n");

  const CliRun negative = runCli({"table", "--temp", "-20", "--altitude=-100", "--step", "1000"});
  EXPECT_EQ(negative.exitCode, 0) << negative.err;
}

TEST(CliLoadOptions, TheDefaultNameBelongsToTheDefaultLoadOnly) {
  const std::string defaultName = "Default Load: .270 Winchester, 130 grn Sierra Gameking";
  const std::vector<std::string> commands[] = {
      {"table", "--step", "1000"}, {"dhr"}, {"report"}, {"taylor", "--caliber", "0.277"}};
  const struct {
    std::vector<std::string> options;
    std::string name;
  } cases[] = {
      {{"--zero", "100", "--temp", "20"}, defaultName},
      {{"--bc", "0.5", "--weight", "150.7", "--velocity", "2900.9"}, "BC 0.500, 150 grn, 2900 fps"},
      {{"--weight", "150"}, "BC 0.436, 150 grn, 3016 fps"},
      {{"--bc", "0.4"}, "BC 0.400, 130 grn, 3016 fps"},
      {{"--velocity", "2800", "--label", "Elk load"}, "Elk load"},
  };
  for (const auto& command : commands) {
    for (const auto& test : cases) {
      std::vector<std::string> args = command;
      args.insert(args.end(), test.options.begin(), test.options.end());
      SCOPED_TRACE(args.front() + " " + test.name);
      const CliRun run = runCli(args);
      ASSERT_EQ(run.exitCode, 0) << run.err;
      EXPECT_NE(run.out.find(test.name), std::string::npos) << run.out.substr(0, 200);
      EXPECT_EQ(run.out.find("Default Load") != std::string::npos, test.name == defaultName);
    }
  }
}

TEST(CliLoadOptions, OutOfRangeValuesGiveTheCombinedRangeMessage) {
  const CliRun run =
      runCli({"table", "--bc", "0", "--weight", "0.5", "--velocity", "4500", "--zero", "0",
              "--scope", "7", "--temp", "-61", "--altitude", "20001"});
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err,
            "The Following Values are invalid and must be\n"
            "corrected before the ballistics can be calculated:\n\n"
            "   Ballistic Coeff must be between 0.022 and 5.00\n"
            "   Bullet Weight must be between 1 and 900\n"
            "   Velocity must be between 500 and 4500\n"
            "   Target Distance must be between 50 and 1000\n"
            "   Scope Height must be between 0.001 and 6.000\n"
            "   Temperature must be between -60 and 120\n"
            "   Altitude must be between -100 and 20000\n");

  // Every command that computes from the load options says it in the same words.
  const testing::TempFolder folder;  // where a failing refusal would write
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"dhr", "--bc", "0.0219"},
        {"report", "--bc", "0.0219"},
        {"taylor", "--caliber", "0.277", "--bc", "0.0219"}}) {
    SCOPED_TRACE(args[0]);
    const CliRun one = runCli(args, folder.path());
    EXPECT_EQ(one.exitCode, 2);
    EXPECT_EQ(one.out, "");
    EXPECT_EQ(one.err,
              "The Following Values are invalid and must be\n"
              "corrected before the ballistics can be calculated:\n\n"
              "   Ballistic Coeff must be between 0.022 and 5.00\n");
  }
}

TEST(CliLoadOptions, BoundsOfTheRangesAreAccepted) {
  const CliRun run =
      runCli({"table", "--bc", "0.022", "--weight", "900", "--velocity", "4499", "--zero", "1000",
              "--scope", "6", "--temp", "120", "--altitude", "20000", "--step", "1000"});
  EXPECT_EQ(run.exitCode, 0) << run.err;
}

TEST(CliLoadOptions, UncheckedRunsTheEngineAsItIs) {
  const CliRun run =
      runCli({"table", "--unchecked", "--zero", "20", "--format", "csv", "--step", "1000"});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(splitLines(run.out).size(), 3u);

  // Outside the drag model the engine completes with meaningless values and says so.
  const CliRun fast =
      runCli({"table", "--unchecked", "--velocity", "4600", "--step", "1000", "--format", "csv"});
  EXPECT_EQ(fast.exitCode, 0);
  EXPECT_EQ(fast.err.rfind("\nVelocity out of range...\n", 0), 0u) << fast.err;
  EXPECT_EQ(splitLines(fast.out).size(), 3u);
}

TEST(CliLoadOptions, LabelHeadsTheTextTable) {
  const CliRun run = runCli({"table", "--label", "My 6.5 load, 140 grn", "--step", "1000"});
  ASSERT_EQ(run.exitCode, 0);
  EXPECT_EQ(splitLines(run.out).at(0), "My 6.5 load, 140 grn");
}

TEST(CliLoadOptions, RepeatedOptionOrUnknownCommandIsRefused) {
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"table", "--bc", "0.4", "--bc", "0.5"}, {"nosuch"}, {}}) {
    const CliRun run = runCli(args);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(splitLines(run.err).size(), 1u) << run.err;
  }
}

}  // namespace
}  // namespace deadhold::test
