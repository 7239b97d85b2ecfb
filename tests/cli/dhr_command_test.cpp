#include <gtest/gtest.h>

#include "cli/cli_runner.h"

namespace deadhold::test {
namespace {

TEST(CliDhr, TextListsThePrintoutHeights) {
  const CliRun run = runCli({"dhr"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out,
            "Default Load: .270 Winchester, 130 grn Sierra Gameking\n"
            "\n"
            "KillZone  Zero Dist  Max Dist\n"
            "4 in      219 yrds   256 yrds\n"
            "6 in      254 yrds   298 yrds\n"
            "8 in      283 yrds   333 yrds\n"
            "10 in     309 yrds   363 yrds\n"
            "12 in     332 yrds   390 yrds\n");
}

TEST(CliDhr, CsvForChosenHeightsFromAnotherStart) {
  const CliRun run = runCli({"dhr", "--zero", "100", "--format", "csv", "--height", "6", "--height",
                             "0", "--height", "3", "--height", "7.5"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const std::vector<std::string> lines = splitLines(run.out);
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[0], "height,zero,max");
  EXPECT_EQ(lines[1], "6,254,298");
  EXPECT_EQ(lines[2], "0,1,0");
  EXPECT_EQ(lines[3], "3,198,0");
  EXPECT_EQ(lines[4].substr(0, 4), "7.5,");
}

TEST(CliDhr, UnreachableHeightEndsAtTheLastYard) {
  const CliRun run = runCli({"dhr", "--height", "400", "--format", "csv"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, "height,zero,max\n400,1000,1000\n");
}

TEST(CliDhr, LoadOptionsChangeTheAnswer) {
  const CliRun run = runCli({"dhr", "--velocity", "2700", "--label", "Slower", "--height", "6"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const std::vector<std::string> lines = splitLines(run.out);
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0], "Slower");
  EXPECT_NE(lines[3], "6 in      254 yrds   298 yrds");
}

TEST(CliDhr, NegativeOrMissingHeightIsRefusedInOneLine) {
  for (const std::vector<std::string>& args : {std::vector<std::string>{"dhr", "--height", "-6"},
                                               {"dhr", "--height", "6in"},
                                               {"dhr", "--height"}}) {
    SCOPED_TRACE(args.back());
    const CliRun run = runCli(args);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.out, "");
    ASSERT_EQ(splitLines(run.err).size(), 1u) << run.err;
    EXPECT_NE(run.err.find("--height"), std::string::npos) << run.err;
  }
}

TEST(CliDhr, HelpNamesTheOptions) {
  const CliRun run = runCli({"dhr", "--help"});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_NE(run.out.find("--height"), std::string::npos);
  EXPECT_NE(run.out.find("--unchecked"), std::string::npos);
}

}  // namespace
}  // namespace deadhold::test
