#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli_runner.h"
#include "support/temp_folder.h"

namespace deadhold::test {
namespace {

TEST(CliCard, TextIsTheDefaultLoadsCardFromTheMuzzleTo1000Yards) {
  const CliRun run = runCli({"card"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.err, "");
  const std::vector<std::string> lines = splitLines(run.out);
  ASSERT_EQ(lines.size(), 8u + 1 + 11);
  EXPECT_EQ(lines[0], "Default Load: .270 Winchester, 130 grn Sierra Gameking");
  EXPECT_EQ(lines[1], "G1 0.436, 130 gr, 3016 ft/s, zero 100 yd, sight height 1.50 in");
  EXPECT_EQ(lines[2], "59 F, 29.92 inHg, humidity 0 %");
  EXPECT_EQ(lines[3], "Wind 0 mph from 0 deg, look angle 0 deg");
  EXPECT_EQ(lines[8],
            "Range yd  Velocity  Energy  Time s  Path in  MOA    MIL    Clicks  Wind in  MOA  MIL"
            "   Clicks");
  EXPECT_EQ(lines[10],
            "100       2794      2253    0.103   0.0      0.0    0.00   0       0.0      "
            "0.0  0.00  0");
  EXPECT_EQ(lines.back(),
            "1000      1261      459     1.562   -326.1   -31.1  -9.06  U 125   0.0      "
            "0.0  0.00  0");
}

TEST(CliCard, CsvHasOneLinePerRowWithPathBelowNegativeAndDriftRightPositive) {
  const CliRun run = runCli({"card", "--format", "csv", "--wind", "10", "--wind-angle", "270",
                             "--step", "250", "--to", "1500", "--unit", "mil"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const std::vector<std::string> lines = splitLines(run.out);
  ASSERT_EQ(lines.size(), 8u);
  EXPECT_EQ(lines[0],
            "range_yd,velocity_fps,energy_ftlb,time_s,path_in,path_moa,path_mil,windage_in,"
            "windage_moa,windage_mil");
  EXPECT_EQ(lines[1], "0,3016,2625.2637000594982,0,-1.5,0,0,0,0,0");
  std::vector<double> last;
  std::istringstream fields(lines.back());
  for (std::string field; std::getline(fields, field, ',');) last.push_back(std::stod(field));
  ASSERT_EQ(last.size(), 10u);
  EXPECT_EQ(last[0], 1500);
  EXPECT_NEAR(last[4], -1163.39, 0.01);  // below the line of sight
  EXPECT_NEAR(last[5], last[4] / 15.705, 1e-9);
  EXPECT_NEAR(last[6], last[4] / 54, 1e-9);
  EXPECT_NEAR(last[7], 261.73, 0.01);  // a wind from the left drifts it right
  EXPECT_NEAR(last[9], last[7] / 54, 1e-9);
}

TEST(CliCard, AltitudeAloneTakesTheStandardAtmosphereAndSpinNeedsALength) {
  CliRun run = runCli({"card", "--altitude", "5000", "--twist", "10", "--length", "1.3"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(splitLines(run.out).at(2), "41.2 F, 24.89 inHg (standard at 5000 ft), humidity 0 %");
  EXPECT_EQ(splitLines(run.out).at(4), "Twist 1 in 10 in, bullet 1.3 in long, 0.277 in across");
  run = runCli({"card", "--altitude", "5000", "--temp", "80"});
  EXPECT_EQ(splitLines(run.out).at(2), "80 F, 24.89 inHg (standard at 5000 ft), humidity 0 %");
}

TEST(CliCard, RefusalsAreOneLineWithStatus2) {
  const struct {
    std::vector<std::string> args;
    std::string error;
  } cases[] = {
      {{"--velocity", "6000", "--humidity", "-1"},
       "deadhold-cli: Value Range Error: Velocity must be between 300 and 5000; Humidity must be "
       "between 0 and 100\n"},
      {{"--to", "2500", "--step", "0.5"},
       "deadhold-cli: Value Range Error: Range Step must be a whole number between 1 and 500; "
       "Maximum Range must be a whole number between 50 and 2000\n"},
      {{"--twist", "10"}, "deadhold-cli: --twist requires --length\n"},
      {{"--pressure", "25", "--altitude", "5000"},
       "deadhold-cli: --pressure excludes --altitude\n"},
      {{"--bc", "fast"}, "deadhold-cli: --bc: 'fast' is not a number\n"},
      {{"--velocity", "500", "--bc", "0.05", "--zero", "2000"},
       "deadhold-cli: Zero Not Found: No bore angle puts this bullet on the line of sight at 2000 "
       "yards: it falls short of the zero range. Choose a nearer zero range, or check the "
       "velocity and the coefficient.\n"},
  };
  for (const auto& c : cases) {
    std::vector<std::string> args{"card"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const CliRun run = runCli(args);
    EXPECT_EQ(run.exitCode, 2) << c.args[0];
    EXPECT_EQ(run.err, c.error);
    EXPECT_EQ(run.out, "");
  }
}

TEST(CliCard, PdfIsTheOnePagePrintedCard) {
  testing::TempFolder folder;
  const CliRun run = runCli({"card", "--drag", "g7", "--bc", "0.243", "--label",
                             "308 \xE2\x80\x93 175 gr", "--pdf", "card.pdf"},
                            folder.path());
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, "");
  EXPECT_GT(std::filesystem::file_size(folder / "card.pdf"), 1000u);
}

}  // namespace
}  // namespace deadhold::test
