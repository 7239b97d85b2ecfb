#include <gtest/gtest.h>

#include <memory>
#include <sstream>

#include "ballistics/ballistics_page.h"
#include "cli/cli_runner.h"
#include "support/fake_dialogs.h"
#include "support/temp_folder.h"

namespace deadhold::test {
namespace {

// What the page writes when the user types these values, presses Re-Compute and saves.
std::string savedByThePage(const BallisticInputs& in, const std::string& label) {
  const testing::TempFolder folder;
  std::ostringstream diagnostics;
  const auto engine = std::make_unique<Engine>();
  engine->setDiagnosticStream(diagnostics);
  LoadDatabase database(folder / "RELOADER.DAT");
  testing::FakeDialogs dialogs;
  const std::filesystem::path start = folder.path();
  BallisticsPage page(*engine, database, dialogs, start);
  page.initialise();
  page.setInputsFromLoad(in.ballisticCoeff, in.bulletWeight, in.muzzleVelocity, in.targetDistance,
                         in.scopeHeight, in.temperature, in.altitude, label);
  page.reCompute();
  dialogs.savePaths.push_back(folder / "BALLISTIC.TXT");
  page.saveToText();
  return testing::readBytes(folder / "BALLISTIC.TXT");
}

TEST(CliReport, WritesWhatTheCalculatorSaves) {
  const CliRun defaults = runCli({"report"});
  ASSERT_EQ(defaults.exitCode, 0) << defaults.err;
  EXPECT_EQ(defaults.err, "");
  EXPECT_EQ(defaults.out, savedByThePage({0.436, 130, 3016, 250, 1.5, 70, 500},
                                         "Default Load: .270 Winchester, 130 grn Sierra Gameking"));
  EXPECT_EQ(splitLines(defaults.out).size(), 85u);

  const CliRun run = runCli({"report", "--bc", "0.5", "--weight", "150", "--velocity", "2800",
                             "--zero", "200", "--scope", "1.75", "--temp", "40", "--altitude",
                             "5000", "--label", ".30-06 100% Cal, %s"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, savedByThePage({0.5, 150, 2800, 200, 1.75, 40, 5000}, ".30-06 100% Cal, %s"));
}

TEST(CliReport, OutReplacesTheFileOrLeavesItOnFailure) {
  const testing::TempFolder folder;
  const auto file = folder / "BALLISTIC.TXT";
  testing::writeBytes(file, std::string(9000, 'x'));
  for (const char* option : {"-o", "--out"}) {
    const CliRun run = runCli({"report", option, file.string()});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(testing::readBytes(file), runCli({"report"}).out);
  }

  const CliRun failed = runCli({"report", "--out", (folder / "none" / "R.TXT").string()});
  EXPECT_EQ(failed.exitCode, 2);
  EXPECT_EQ(failed.out, "");
  ASSERT_EQ(splitLines(failed.err).size(), 1u) << failed.err;
  EXPECT_NE(failed.err.find("R.TXT"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(folder / "none"));
}

TEST(CliReport, OutOfRangeValuesAreRefusedWithTheRangeMessage) {
  const testing::TempFolder folder;
  const CliRun run = runCli({"report", "--velocity", "4500", "--out", (folder / "R.TXT").string()});
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_NE(run.err.find("   Velocity must be between 500 and 4500\n"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(folder / "R.TXT"));
}

}  // namespace
}  // namespace deadhold::test
