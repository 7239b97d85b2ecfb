#include "loadinfo/velocity_import.h"

#include <gtest/gtest.h>

#include "loadinfo/shot_string_dialog.h"
#include "loads/load_rules.h"
#include "support/fake_dialogs.h"
#include "support/same_bytes.h"
#include "support/temp_folder.h"

namespace deadhold {
namespace {

using testing::FakeDialogs;
using Field = ShotStringField;

const std::filesystem::path kSamples = DEADHOLD_CHRONO_SAMPLES;

// A load whose shot 2 is placed and shot 3 holds a velocity, opened on the large target.
class VelocityImport : public ::testing::Test {
 protected:
  void SetUp() override {
    load.shots[1] = {0.0f, 0.3f, 0.4f, 0.5f, 1};
    load.shots[2].shotVelocity = 3100.0f;
    testing::writeBytes(folder / "long.txt",
                        "2801\n2795\n2810\n2799\n2806\n2790\n2802\n2808\n2797\n2800\n2811\n2803\n");
  }
  // Imports `file`, the user answering the series choice with `choose` (false: cancel).
  void importFrom(const std::filesystem::path& file,
                  const std::function<bool(ImportVelocitiesDialog&)>& choose) {
    dialogs.openPaths.push_back(file);
    dialog.importVelocities(choose);
  }

  LoadRecord load = blankLoadRecord();
  FakeDialogs dialogs;
  testing::TempFolder folder;
  ShotStringDialog dialog{load, dialogs, "/start"};
};

TEST_F(VelocityImport, TakesTheChosenTenAfterAskingAndKeepsTheHoles) {
  dialog.selectShot(3);
  dialogs.answers = {Answer::No, Answer::Yes};
  const auto chooseShotsThreeToTwelve = [](ImportVelocitiesDialog& choice) {
    EXPECT_EQ(choice.lastFirstShot(), 3);
    choice.chooseFirstShot(7);  // beyond the last ten: kept to them
    EXPECT_EQ(choice.firstShot(), 3);
    EXPECT_EQ(choice.rangeText(), "Shots 3 to 12 of 12 become shots 1 to 10");
    choice.accept();
    return true;
  };
  importFrom(folder / "long.txt", chooseShotsThreeToTwelve);
  EXPECT_EQ(load.shots[2].shotVelocity, 3100.0f);  // "No" keeps everything
  importFrom(folder / "long.txt", chooseShotsThreeToTwelve);

  ASSERT_EQ(dialogs.messages.size(), 2u);
  EXPECT_EQ(dialogs.messages[1].title, "Question");
  EXPECT_EQ(dialogs.messages[1].buttons, Buttons::YesNo);
  EXPECT_EQ(dialogs.messages[1].text,
            "Replace the velocities of this load's shots with those of series 1?\n"
            "Shots 3 to 12 of 12 become shots 1 to 10.\n"
            "Holes and every other field stay as they are.");
  EXPECT_EQ(load.shots[0].shotVelocity, 2810.0f);
  EXPECT_EQ(load.shots[9].shotVelocity, 2803.0f);
  EXPECT_EQ(load.shots[1].shotY, 0.4f);
  EXPECT_EQ(load.shots[1].shotPlaced, 1);
  EXPECT_EQ(dialog.fieldText(Field::velocity), "2806");  // the selected shot #3
  EXPECT_EQ(dialog.fieldText(Field::shots), "10");
  EXPECT_EQ(dialog.fieldText(Field::meanVelocity), "2802.6");
  EXPECT_EQ(dialog.fieldText(Field::extremeSpread), "21.0");
  EXPECT_EQ(dialog.fieldText(Field::standardDeviation), "6.47");  // sqrt(376.4 / 9)
  ASSERT_EQ(dialogs.openPrompts.size(), 2u);
  EXPECT_EQ(dialogs.openPrompts[0].initialFolder, "/start");
  EXPECT_EQ(dialogs.openPrompts[0].filter,
            "Chronograph Files (*.csv;*.txt)|*.csv;*.txt|All Files (*.*)|*.*||");
}

TEST_F(VelocityImport, AShorterSeriesLeavesTheLaterShotsWithoutVelocity) {
  load.shots[2].shotVelocity = 0.0f;  // nothing to replace: no question
  importFrom(kSamples / "magnetospeed_log.csv", [](ImportVelocitiesDialog& choice) {
    EXPECT_EQ(choice.rows().size(), 3u);
    EXPECT_EQ(choice.rows()[1], (ImportVelocitiesDialog::Row{"2", "0", "", "", ""}));
    choice.chooseSeries(1);
    EXPECT_FALSE(choice.canImport());
    EXPECT_EQ(choice.rangeText(), "This series holds no shots");
    choice.chooseSeries(2);
    choice.accept();
    return true;
  });
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_FLOAT_EQ(load.shots[1].shotVelocity, static_cast<float>(851.9 / 0.3048));
  EXPECT_EQ(load.shots[2].shotVelocity, 0.0f);
  EXPECT_EQ(dialog.fieldText(Field::meanRadius), "");  // one hole
}

TEST_F(VelocityImport, RefusalsAndCancelsChangeNothing) {
  const LoadRecord before = load;
  int choices = 0;
  const auto cancel = [&choices](ImportVelocitiesDialog&) { return ++choices, false; };
  dialog.importVelocities(cancel);  // the file prompt cancelled
  importFrom(folder / "missing.csv", cancel);
  importFrom(kSamples / "not_chrono.txt", cancel);
  importFrom(kSamples / "garmin_empty.csv", cancel);
  importFrom(kSamples / "plain.txt", cancel);
  EXPECT_EQ(choices, 1);
  EXPECT_TRUE(sameBytes(load, before));
  ASSERT_EQ(dialogs.messages.size(), 3u);
  EXPECT_EQ(dialogs.messages[0].title, "FILE ERROR");
  EXPECT_EQ(dialogs.messages[0].text,
            "Could not read " + (folder / "missing.csv").string() + ": No such file or directory");
  EXPECT_EQ(dialogs.messages[1].title, "WARNING");
  EXPECT_EQ(dialogs.messages[1].icon, Icon::Exclamation);
  EXPECT_EQ(dialogs.messages[2].text,
            (kSamples / "garmin_empty.csv").string() + " holds no velocities");
}

}  // namespace
}  // namespace deadhold
