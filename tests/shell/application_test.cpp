#include "shell/application.h"

#include <gtest/gtest.h>

#include "loads/load_exchange.h"
#include "loads/sample_loads.h"
#include "shell/shell_texts.h"
#include "support/fake_dialogs.h"
#include "support/temp_folder.h"

namespace deadhold {
namespace {

using testing::FakeDialogs;
using testing::TempFolder;

LoadRecord gamekingLoad(float weight) {
  LoadRecord load = testing::makeLoad(".270", weight);
  load.ballisticCoeff = 0.436f;
  load.avVelocity = 3010.0f;
  load.targetDistance = 200.0f;
  load.scopeHeight = 1.75f;
  load.temperature = 40.0f;
  load.elevation = 6000.0f;
  return load;
}

class ApplicationTest : public ::testing::Test {
 protected:
  std::filesystem::path bookFile() const { return folder / "RELOADER.DAT"; }

  void writeBook(const LoadRecord& load) {
    LoadDatabase database(bookFile());
    database.setCurrentLoad(&database.addLoadCopy(load));
    ASSERT_FALSE(database.writeDatabase());
  }

  std::unique_ptr<Application> start() {
    auto application = std::make_unique<Application>(dialogs, folder.path());
    application->createPages();
    return application;
  }

  TempFolder folder;
  FakeDialogs dialogs;
};

TEST_F(ApplicationTest, StartDirectoryIsTheWorkingDirectory) {
  EXPECT_EQ(Application::captureStartDirectory(), std::filesystem::current_path());
}

TEST_F(ApplicationTest, StartUpCreatesThePagesHiddenAndTheFirstPaintShowsLoadInformation) {
  writeBook(gamekingLoad(130));
  auto application = start();
  EXPECT_EQ(application->startDirectory(), folder.path());
  EXPECT_EQ(application->database().loadCount(), 1);
  EXPECT_EQ(application->loadInfoPage().groupCaption(), "Load Name: ");
  EXPECT_FALSE(application->helpPage().treeNodes().empty());
  EXPECT_EQ(application->ballisticsPage().inputs().altitude, 500);
  EXPECT_EQ(application->shownPage(), Application::kNoPage);
  EXPECT_TRUE(application->firstShowPending());

  EXPECT_TRUE(application->showFirstPage());
  EXPECT_EQ(application->shownPage(), Application::kLoadInformationTab);
  application->selectTab(Application::kHelpTab);
  EXPECT_FALSE(application->showFirstPage());  // never again by this path
  EXPECT_EQ(application->shownPage(), Application::kHelpTab);
}

TEST_F(ApplicationTest, BallisticsTabWithoutALoadGetsTheDefaultLoad) {
  auto application = start();
  application->selectTab(Application::kBallisticsTab);
  const BallisticsPage& page = application->ballisticsPage();
  EXPECT_EQ(page.inputs(), (BallisticInputs{0.436, 130, 3016, 250, 1.5, 70, 500}));
  EXPECT_EQ(page.ballisticsLabel(), "Default Load: .270 Winchester, 130 grn Sierra Gameking");
  EXPECT_EQ(page.fieldTexts(),
            (BallisticsFieldTexts{"Default Load: .270 Winchester, 130 grn Sierra Gameking", "0.436",
                                  "130", "3016", "250", "1.50", "70", "500"}));
  EXPECT_TRUE(page.recomputePending());
  EXPECT_EQ(application->shownPage(), Application::kBallisticsTab);
}

TEST_F(ApplicationTest, BallisticsTabGetsTheCurrentLoadWidenedWithItsDescription) {
  writeBook(gamekingLoad(129.9f));
  auto application = start();
  application->selectTab(Application::kBallisticsTab);
  const BallisticsPage& page = application->ballisticsPage();
  EXPECT_EQ(page.ballisticsLabel(), ".270 Cal, Sierra Gameking, 129 grn");
  EXPECT_EQ(page.inputs(),
            (BallisticInputs{double(0.436f), double(129.9f), 3010, 200, 1.75, 40, 6000}));
  EXPECT_EQ(page.fieldTexts().bulletWeight, "129");
}

TEST_F(ApplicationTest, EachBallisticsChoiceHandsOverAgainWhatTheLoadHoldsNow) {
  writeBook(gamekingLoad(130));
  auto application = start();
  application->selectTab(Application::kBallisticsTab);
  EXPECT_EQ(application->ballisticsPage().ballisticsLabel(), ".270 Cal, Sierra Gameking, 130 grn");
  application->ballisticsPage().setRecomputePending(false);  // the page's paint consumed it

  LoadRecord* load = application->database().currentLoad();
  load->avVelocity = 2900.0f;
  load->scopeHeight = 0.0f;  // never entered: handed over as 1.5
  application->selectTab(Application::kMiscTab);
  application->selectTab(Application::kBallisticsTab);
  EXPECT_EQ(application->ballisticsPage().inputs().muzzleVelocity, 2900);
  EXPECT_EQ(application->ballisticsPage().inputs().scopeHeight, 1.5);
  EXPECT_TRUE(application->ballisticsPage().recomputePending());
}

TEST_F(ApplicationTest, LoadInformationTabRefreshesFromTheCurrentLoad) {
  writeBook(gamekingLoad(130));
  auto application = start();
  application->showFirstPage();
  application->selectTab(Application::kBallisticsTab);
  application->database().currentLoad()->avVelocity = 2875.0f;  // an auto-update write-back
  EXPECT_EQ(application->loadInfoPage().fieldText(LoadInfoField::avVelocity), "3010");
  application->selectTab(Application::kLoadInformationTab);
  EXPECT_EQ(application->loadInfoPage().fieldText(LoadInfoField::avVelocity), "2875");
  EXPECT_EQ(application->shownPage(), Application::kLoadInformationTab);
}

TEST_F(ApplicationTest, ATabNumberWithoutAPageHidesThemAll) {
  auto application = start();
  application->showFirstPage();
  application->selectTab(-1);
  EXPECT_EQ(application->shownPage(), Application::kNoPage);
  application->selectTab(Application::kTabCount);
  EXPECT_EQ(application->shownPage(), Application::kNoPage);
}

TEST_F(ApplicationTest, ClosingWritesTheLoadBookOnceThroughTheLoadInformationPage) {
  writeBook(gamekingLoad(130));
  auto application = start();
  application->database().currentLoad()->avVelocity = 2950.0f;
  application->destroyPages();
  EXPECT_EQ(application->database().loadCount(), 0);
  EXPECT_EQ(application->shownPage(), Application::kNoPage);

  LoadDatabase stored(bookFile());
  ASSERT_EQ(stored.readDatabase(), 1);
  EXPECT_EQ(stored.currentLoad()->avVelocity, 2950.0f);

  std::filesystem::remove(bookFile());
  application->destroyPages();
  application.reset();
  EXPECT_FALSE(std::filesystem::exists(bookFile()));  // no second write, none at destruction
}

TEST_F(ApplicationTest, ABookNeverReadAndStillEmptyLeavesNoFile) {
  auto application = start();
  application->destroyPages();
  EXPECT_FALSE(std::filesystem::exists(bookFile()));
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(ApplicationTest, AFailedLastWriteIsShownAndClosingGoesOn) {
  writeBook(gamekingLoad(130));
  auto application = start();
  std::filesystem::remove(bookFile());
  std::filesystem::create_directory(bookFile());  // the file's place is taken
  application->destroyPages();
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].title, "FILE ERROR");
  EXPECT_NE(dialogs.messages[0].text.find(bookFile().string()), std::string::npos);
  EXPECT_EQ(dialogs.messages[0].buttons, Buttons::Ok);
  EXPECT_EQ(application->database().loadCount(), 0);
}

TEST_F(ApplicationTest, ClosingBeforeThePagesExistWritesNothing) {
  writeBook(gamekingLoad(130));
  const std::string before = testing::readBytes(bookFile());
  Application application(dialogs, folder.path());
  application.destroyPages();
  EXPECT_EQ(testing::readBytes(bookFile()), before);
}

TEST_F(ApplicationTest, AStartingLoadFileIsImportedOnYesAndShownAsTheCurrentLoad) {
  writeBook(gamekingLoad(130));
  ASSERT_FALSE(exportLoad(folder / "friend.BLD", testing::makeLoad(".308", 168, "Sierra", "MK")));
  auto application = start();
  application->showFirstPage();

  dialogs.answers = {Answer::No};
  application->offerImport(folder / "friend.BLD");
  EXPECT_EQ(application->database().loadCount(), 1);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text,
            "Import the load in friend.BLD into the load book in " + folder.path().string() + "?");
  EXPECT_EQ(dialogs.messages[0].title, "Question");
  EXPECT_EQ(dialogs.messages[0].buttons, Buttons::YesNo);

  application->offerImport(folder / "friend.BLD");
  ASSERT_EQ(application->database().loadCount(), 2);
  EXPECT_EQ(application->database().currentLoad()->caliber.str(), ".308");
  EXPECT_EQ(LoadDatabase(bookFile()).readDatabase(), 2);

  // A file that is no load goes the way Import Load refuses it.
  testing::writeBytes(folder / "short.BLD", "x");
  dialogs.messages.clear();
  application->offerImport(folder / "short.BLD");
  ASSERT_EQ(dialogs.messages.size(), 2u);
  EXPECT_EQ(dialogs.messages[1].text,
            "The selected file is unrecognizable by Deadhold as a valid Load file");
  EXPECT_EQ(application->database().loadCount(), 2);
}

}  // namespace
}  // namespace deadhold
