#include <gtest/gtest.h>

#include "cli/cli_runner.h"

namespace deadhold::test {
namespace {

TEST(CliTaylor, DefaultLoadTable) {
  const CliRun run = runCli({"taylor", "--caliber", "0.277"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.err, "");
  const std::vector<std::string> lines = splitLines(run.out);
  ASSERT_EQ(lines.size(), 18u);
  EXPECT_EQ(lines[0], "Default Load: .270 Winchester, 130 grn Sierra Gameking");
  EXPECT_EQ(lines[1], "Caliber: 0.277, Bullet Weight: 130 grns");
  EXPECT_EQ(lines[2], "");
  EXPECT_EQ(lines[3],
            "Species        100 yrds   200 yrds   300 yrds   400 yrds   500 yrds  600 yrds  "
            "700 yrds  800 yrds");
  // 130 grains from .277 at 2806 ft/s is 14.5 at 100 yards, about 9.6 at 800.
  EXPECT_EQ(lines[13],
            "Deer           Good       Good       Good       Good       Good      Marginal  "
            "Marginal  Marginal");
  EXPECT_EQ(lines[17].substr(0, 9), "Wild Boar");
}

TEST(CliTaylor, WeightShownTruncated) {
  const CliRun run = runCli({"taylor", "--caliber", "0.308", "--weight", "150.9"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(splitLines(run.out)[1], "Caliber: 0.308, Bullet Weight: 150 grns");
}

TEST(CliTaylor, CaliberOutsideTheEntryRangeIsRefused) {
  for (const char* caliber : {"1", "0", "-0.3"}) {
    const CliRun run = runCli({"taylor", "--caliber", caliber});
    EXPECT_EQ(run.exitCode, 2) << caliber;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err,
              "deadhold-cli: Invalid Caliber: Warning, Caliber must be greater than 0 and less "
              "than 1\n");
  }
  EXPECT_EQ(runCli({"taylor", "--caliber", "0.999"}).exitCode, 0);
}

TEST(CliTaylor, LoadOutOfRangeIsRefusedUnlessUnchecked) {
  EXPECT_EQ(runCli({"taylor", "--caliber", "0.308", "--velocity", "4500"}).exitCode, 2);
  EXPECT_EQ(runCli({"taylor", "--caliber", "0.308", "--velocity", "4500", "--unchecked"}).exitCode,
            0);
}

}  // namespace
}  // namespace deadhold::test
