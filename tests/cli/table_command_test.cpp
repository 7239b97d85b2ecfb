#include <gtest/gtest.h>

#include "cli/cli_runner.h"
#include "common/cformat.h"
#include "engine/engine.h"

namespace deadhold::test {
namespace {

constexpr BallisticInputs kDefaultLoad{0.436, 130, 3016, 250, 1.5, 70, 500};

TEST(CliTable, TextShowsTheRangeListColumnsAndCells) {
  const CliRun run = runCli({"table", "--step", "500"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(
      run.out,
      "Default Load: .270 Winchester, 130 grn Sierra Gameking\n"
      "\n"
      "Range     Elevation   Velocity   Energy    ETA        Total Drop  Max Y      "
      "Wind Def (10 mph)  5 mph Lead  10 mph Lead  15 mph Lead  20 mph Lead  25 mph Lead  "
      "30 mph Lead  35 mph Lead  40 mph Lead  45 mph Lead  50 mph Lead  55 mph Lead  60 mph Lead\n"
      "0 yds     -1.50 in    3016 fps   2625 fpe  0.000 sec  0.00 in     -1.50 in   0.00 in    "
      "        0.00 ft     0.00 ft      0.00 ft      0.00 ft      0.00 ft      0.00 ft      "
      "0.00 ft      0.00 ft      0.00 ft      0.00 ft      0.00 ft      0.00 ft\n"
      "500 yds   -33.57 in   2054 fps   1218 fpe  0.603 sec  62.10 in    17.10 in   18.68 in   "
      "        4.43 ft     8.85 ft      13.28 ft     17.70 ft     22.13 ft     26.55 ft     "
      "30.98 ft     35.40 ft     39.83 ft     44.25 ft     48.68 ft     53.10 ft\n"
      "1000 yds  -288.54 in  1324 fps   506 fpe   1.519 sec  347.09 in   111.59 in  92.34 in   "
      "        11.14 ft    22.28 ft     33.43 ft     44.57 ft     55.71 ft     66.85 ft     "
      "77.99 ft     89.13 ft     100.28 ft    111.42 ft    122.56 ft    133.70 ft\n");
}

TEST(CliTable, StepChoosesTheRowsAndDefaultsToFifty) {
  const struct {
    std::vector<std::string> args;
    size_t rows;
  } cases[] = {{{"table"}, 21},
               {{"table", "--step", "1"}, 1001},
               {{"table", "--step", "25"}, 41},
               {{"table", "--step", "300"}, 4},
               {{"table", "--step", "1000"}, 2},
               {{"table", "--step", "+500"}, 3}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args.size() > 1 ? c.args[2] : "default");
    const std::vector<std::string> lines = splitLines(runCli(c.args).out);
    ASSERT_EQ(lines.size(), c.rows + 3);  // label, blank line, headings
    EXPECT_EQ(lines.back().substr(0, 4), c.rows == 4 ? "900 " : "1000");
  }
}

TEST(CliTable, TextShowsANegativeMuzzleTimeAsZero) {
  // At 2500 ft/s the inversion leaves row 0 a tiny negative time; the list shows 0.000 sec but
  // the drift and leads computed from it keep their sign.
  const CliRun run = runCli({"table", "--velocity", "2500", "--step", "1000"});
  ASSERT_EQ(run.exitCode, 0);
  const std::string row0 = splitLines(run.out).at(3);
  EXPECT_NE(row0.find("  0.000 sec  "), std::string::npos) << row0;
  EXPECT_NE(row0.find("  -0.00 ft"), std::string::npos) << row0;

  const CliRun csv = runCli({"table", "--velocity", "2500", "--step", "1000", "--format", "csv"});
  const std::string csvRow0 = splitLines(csv.out).at(1);
  size_t timeField = 0;
  for (int comma = 0; comma < 4; ++comma) timeField = csvRow0.find(',', timeField) + 1;
  EXPECT_EQ(csvRow0.substr(timeField, 10), "-2.0132502") << csvRow0;  // csv is not clamped
}

TEST(CliTable, CsvCarriesEveryValueOfTheEngineUnrounded) {
  const CliRun run = runCli({"table", "--format", "csv", "--step", "1"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const std::vector<std::string> lines = splitLines(run.out);
  ASSERT_EQ(lines.size(), 1002u);
  EXPECT_EQ(lines[0],
            "range,elevation,velocity,energy,time,drop,maxY,windDeflection,lead5,lead10,lead15,"
            "lead20,lead25,lead30,lead35,lead40,lead45,lead50,lead55,lead60");

  Engine engine;
  engine.computeTrajectory(kDefaultLoad);
  for (int row = 0; row <= 1000; ++row) {
    const TrajectoryPoint& p = engine.table()[row];
    std::string expected =
        cformat("%.17g,%.17g,%.17g,%.17g,%.17g,%.17g,%.17g,%.17g", p.range, p.elevation, p.velocity,
                p.energy, p.time, p.drop, p.maxY, p.windDeflection);
    for (double lead : p.lead) expected += cformat(",%.17g", lead);
    ASSERT_EQ(lines[row + 1], expected) << row;
  }
}

TEST(CliTable, EarlyStopDiagnosticGoesToStandardErrorOnly) {
  const CliRun run =
      runCli({"table", "--velocity", "500", "--bc", "0.1", "--format", "csv", "--step", "100"});
  ASSERT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.err, "Velocity out of range...\n");
  const std::vector<std::string> lines = splitLines(run.out);
  ASSERT_EQ(lines.size(), 12u);
  EXPECT_EQ(lines[5].substr(0, 4), "400,");
  EXPECT_EQ(lines[6], "0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0");  // rows after the stop stay zero
}

TEST(CliTable, HelpExplainsTheFormatsAndTheTimeClamp) {
  const CliRun run = runCli({"table", "--help"});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_NE(run.out.find("--step"), std::string::npos);
  EXPECT_NE(run.out.find("--format"), std::string::npos);
  EXPECT_NE(run.out.find("0.000 sec"), std::string::npos);
}

TEST(CliTable, BadStepOrFormatIsRefusedInOneLine) {
  for (const std::vector<std::string>& args : {std::vector<std::string>{"table", "--step", "0"},
                                               {"table", "--step", "ten"},
                                               {"table", "--format", "html"},
                                               {"table", "--rows", "5"},
                                               {"table", "surplus"}}) {
    SCOPED_TRACE(args[1]);
    const CliRun run = runCli(args);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(splitLines(run.err).size(), 1u) << run.err;
  }
}

TEST(CliTable, BadStepSaysWhatIsWrongWithIt) {
  const struct {
    const char* step;
    const char* error;
  } cases[] = {{"ten", "'ten' is not a whole number of yards"},
               {"2.5", "'2.5' is not a whole number of yards"},
               {"", "'' is not a whole number of yards"},
               {"+", "'+' is not a whole number of yards"},
               {"0", "'0' is not between 1 and 1000 yards"},
               {"1001", "'1001' is not between 1 and 1000 yards"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.step);
    const CliRun run = runCli({"table", "--step", c.step});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.err, std::string("deadhold-cli: --step: ") + c.error + "\n");
  }
}

}  // namespace
}  // namespace deadhold::test
