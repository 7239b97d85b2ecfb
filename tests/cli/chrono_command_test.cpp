#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "cli/cli_runner.h"
#include "loads/load_database.h"
#include "loads/load_rules.h"
#include "support/temp_folder.h"

namespace deadhold::test {
namespace {

const std::string kSamples = DEADHOLD_CHRONO_SAMPLES;

TEST(CliChrono, ListsEverySeriesAsTextOrCsv) {
  const CliRun text = runCli({"chrono", kSamples + "/magnetospeed_log.csv"});
  ASSERT_EQ(text.exitCode, 0) << text.err;
  EXPECT_EQ(text.out,
            "Series 1: 5 shots, mean 2802.2, ES 15.0, SD 5.89 ft/s\n"
            "  #1  2801.0\n  #2  2795.0\n  #3  2810.0\n  #4  2799.0\n  #5  2806.0\n"
            "\nSeries 2: 0 shots\n"
            "\nSeries 3: 2 shots, mean 2797.9, ES 5.9, SD 4.18 ft/s\n"
            "  #1  2800.9\n  #2  2794.9\n");
  const CliRun csv =
      runCli({"chrono", kSamples + "/garmin_fps.csv", "--format", "csv", "--kind", "garmin"});
  ASSERT_EQ(csv.exitCode, 0) << csv.err;
  const std::string name = "\"6.5 CM 140 ELD-M, 41.5 H4350\"";
  EXPECT_EQ(csv.out, "series,shot,velocity_fps\r\n" + name + ",1,2801.0\r\n" + name +
                         ",2,2795.0\r\n" + name + ",3,2810.0\r\n" + name + ",4,2799.0\r\n" + name +
                         ",5,2806.0\r\n");
}

TEST(CliChrono, RefusesAFileItCannotReadWithOneLine) {
  const CliRun run = runCli({"chrono", kSamples + "/plain.txt", "--kind", "labradar"});
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "deadhold-cli: " + kSamples + "/plain.txt is not a LabRadar series report\n");
  const CliRun cut = runCli({"chrono", kSamples + "/labradar_truncated.csv"});
  EXPECT_EQ(cut.exitCode, 0);
  EXPECT_EQ(
      cut.err,
      "deadhold-cli: note: series 0001: the row of shot 0005 is cut short and was left out\n");
}

// A load with two placed holes and a velocity in shot 3, in a book of its own.
class CliShotString : public ::testing::Test {
 protected:
  void SetUp() override {
    LoadRecord load = blankLoadRecord();
    load.caliber.assign(".308 Win");
    load.shots[0] = {2900, 0, 0, 0, 1};
    load.shots[1] = {0, 0.3f, 0.4f, 0.5f, 1};
    load.shots[2].shotVelocity = 3100;
    LoadDatabase database(book());
    database.addLoadCopy(load);
    ASSERT_FALSE(database.writeDatabase());
  }
  std::filesystem::path book() const { return folder / "RELOADER.DAT"; }
  CliRun loads(std::vector<std::string> args) const {
    args.insert(args.begin(), "loads");
    return runCli(args, folder.path());
  }
  testing::TempFolder folder;
};

TEST_F(CliShotString, StatsAndAnImportThatKeepsTheHoles) {
  const std::string before = testing::readBytes(book());
  EXPECT_EQ(loads({"stats", "0", "--format", "csv"}).out,
            "shots,mean_fps,es_fps,sd_fps,group_in,mean_radius_in\r\n"
            "2,3000.0,200.0,141.42,0.500,0.250\r\n");

  const CliRun several = loads({"velocities", "0", kSamples + "/magnetospeed_log.csv"});
  EXPECT_EQ(several.exitCode, 2);
  EXPECT_EQ(several.err, "deadhold-cli: " + kSamples +
                             "/magnetospeed_log.csv holds several series with shots (1, 3): name "
                             "one with --series\n");
  const CliRun empty =
      loads({"velocities", "0", kSamples + "/magnetospeed_log.csv", "--series", "2"});
  EXPECT_EQ(empty.err, "deadhold-cli: series 2 holds no shots\n");
  EXPECT_EQ(testing::readBytes(book()), before);

  const CliRun run =
      loads({"velocities", "0", kSamples + "/magnetospeed_log.csv", "--series", "3"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out,
            "Shots 1 to 2 of 2 become shots 1 to 2 (series 3)\n"
            "Shots with a velocity:  2\nMean velocity:          2797.9 ft/s\n"
            "Extreme spread:         5.9 ft/s\nStandard deviation:     4.18 ft/s\n"
            "Group size:             0.500 in\nMean radius:            0.250 in\n");
  LoadDatabase saved(book());
  saved.readDatabase();
  const LoadRecord& load = *saved.loadAt(0);
  EXPECT_FLOAT_EQ(load.shots[0].shotVelocity, static_cast<float>(853.7 / 0.3048));
  EXPECT_FLOAT_EQ(load.shots[1].shotY, 0.4f);
  EXPECT_EQ(load.shots[1].shotPlaced, 1);
  EXPECT_EQ(load.shots[2].shotVelocity, 0.0f);  // the old string's shot 3 is not mixed in
  // As when the large target closes: the mean of the placed shots.
  EXPECT_FLOAT_EQ(load.avVelocity, (load.shots[0].shotVelocity + load.shots[1].shotVelocity) / 2);
  EXPECT_NE(testing::readBytes(book()), before);
}

}  // namespace
}  // namespace deadhold::test
