#include <gtest/gtest.h>

#include "cli/cli_runner.h"

namespace deadhold::test {
namespace {

TEST(CliBc, DefaultLoadVelocitiesGiveJustUnderItsCoefficient) {
  const CliRun run = runCli({"bc", "--weight", "130", "--muzzle", "3016", "--v100", "2806"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, "0.430\n");
  EXPECT_EQ(run.err, "");
}

TEST(CliBc, NoVelocityLossGivesSevenTenths) {
  const CliRun run = runCli({"bc", "--weight", "150", "--muzzle", "2800", "--v100", "2800"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, "0.700\n");
}

TEST(CliBc, VelocityWarningIsOneLineAndRefused) {
  const CliRun run = runCli({"bc", "--weight", "150", "--muzzle", "3000", "--v100", "1999"});
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err,
            "deadhold-cli: Velocity Warning: You have entered velocities which decrease by over "
            "1000 fps in 100 yrds No known bullet behaves like this. Please double check the "
            "entered Velocities.\n");
  EXPECT_EQ(runCli({"bc", "--weight", "150", "--muzzle", "3000", "--v100", "2000"}).exitCode, 0);
}

TEST(CliBc, OutOfRangeAndMissingValuesAreRefused) {
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"bc", "--weight", "0.5", "--muzzle", "3000", "--v100", "2900"},
        {"bc", "--weight", "150", "--muzzle", "4500", "--v100", "2900"},
        {"bc", "--weight", "150", "--muzzle", "3000", "--v100", "0"},
        {"bc", "--weight", "150", "--muzzle", "3000"},
        {"bc", "--weight", "150x", "--muzzle", "3000", "--v100", "2900"}}) {
    const CliRun run = runCli(args);
    EXPECT_EQ(run.exitCode, 2) << args[2];
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(splitLines(run.err).size(), 1u) << run.err;
  }
}

TEST(CliCalc, WorkedValues) {
  EXPECT_EQ(runCli({"calc", "sd", "--weight", "150", "--diameter", "0.308"}).out,
            "Sectional Density\t0.22589\n");
  EXPECT_EQ(runCli({"calc", "sd", "--weight", "0", "--diameter", "0.308"}).out,
            "Sectional Density\t0.00000\n");
  EXPECT_EQ(runCli({"calc", "energy", "--weight", "150", "--velocity", "3000"}).out,
            "Energy (ft/lbs)\t2998\n");
  EXPECT_EQ(runCli({"calc", "recoil", "--weight", "150", "--velocity", "2900", "--powder", "50",
                    "--gun", "8"})
                .out,
            "Recoil Energy (ft/lbs)\t17.78\nRecoil Velocity (fps)\t11.96\n");
  EXPECT_EQ(
      runCli({"calc", "ko", "--weight", "300", "--velocity", "2500", "--caliber", "0.375"}).out,
      "Taylor Knockout Factor\t40.18\n");
}

TEST(CliCalc, OutOfRangeIsRefused) {
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"calc", "sd", "--weight", "901", "--diameter", "0.308"},
        {"calc", "energy", "--weight", "150", "--velocity", "4500"},
        {"calc", "recoil", "--weight", "150", "--velocity", "2900", "--powder", "301", "--gun",
         "8"},
        {"calc", "ko", "--weight", "300", "--velocity", "2500", "--caliber", "0.176"},
        {"calc", "ko", "--weight", "300", "--velocity", "2500"}}) {
    const CliRun run = runCli(args);
    EXPECT_EQ(run.exitCode, 2) << args[1];
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(splitLines(run.err).size(), 1u) << run.err;
  }
}

TEST(CliConvert, EveryOtherFieldOfTheQuantity) {
  EXPECT_EQ(runCli({"convert", "100", "yards"}).out,
            "inches\t3600.000\nfeet\t300.000\nmm\t91440.000\ncm\t9144.000\nm\t91.440\n");
  EXPECT_EQ(runCli({"convert", "3000", "fps"}).out, "mps\t914.400\nmph\t2045.455\nkph\t3291.840\n");
  EXPECT_EQ(runCli({"convert", "100", "c"}).out, "f\t212.000\n");
  EXPECT_EQ(runCli({"convert", "-40", "f"}).out, "c\t-40.000\n");
}

TEST(CliConvert, BadValueOrUnitIsRefused) {
  for (const std::vector<std::string>& args : {std::vector<std::string>{"convert", "abc", "m"},
                                               {"convert", "1", "parsec"},
                                               {"convert", "1"}}) {
    const CliRun run = runCli(args);
    EXPECT_EQ(run.exitCode, 2) << args[1];
    EXPECT_EQ(run.out, "");
  }
}

}  // namespace
}  // namespace deadhold::test
