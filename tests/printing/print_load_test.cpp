#include "printing/print_load.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "ballistics/ballistics_page_fixture.h"
#include "loads/sample_loads.h"

namespace deadhold::testing {
namespace {

const std::string kQuestion =
    "Some Data fields required to calculate the Ballistics are invalid.\n"
    "Press CANCEL to abort or Press OK to Print without Ballistics Data";

class PrintLoad : public BallisticsPageTest {
 protected:
  PrintLoad() {
    LoadRecord load = makeLoad(".308 Win", 168, "Sierra", "MatchKing", "Match");
    load.ballisticCoeff = 0.462f;
    load.avVelocity = 2650;
    load.scopeHeight = 0;  // never entered: handed over as 1.5
    current = &addCurrentLoad(load);
    dialogs.printers.push_back(std::make_unique<FakePrintTarget>(612, 792));
  }

  const RecordingSurface* paper() const {
    return dialogs.usedPrinters.empty() ? nullptr : &dialogs.usedPrinters[0]->surface_;
  }

  LoadRecord* current = nullptr;
};

TEST_F(PrintLoad, ALoadInRangePrintsTheFullReportOfItsOwnInputs) {
  printLoad(page, database, dialogs);
  EXPECT_TRUE(dialogs.messages.empty());
  ASSERT_NE(paper(), nullptr);
  EXPECT_NE(paper()->findText(".308 Win Cal, Sierra MatchKing, 168 grn"), nullptr);
  EXPECT_NE(paper()->findText("2650 fps"), nullptr);
  EXPECT_NE(paper()->findText("1.50 in"), nullptr);
  EXPECT_NE(paper()->findText("Deadhold Range Data"), nullptr);
  EXPECT_NE(paper()->findText("Load Name: Match"), nullptr);
  // The page keeps the load's inputs and recomputes at its next paint.
  EXPECT_EQ(page.ballisticsLabel(), ".308 Win Cal, Sierra MatchKing, 168 grn");
  EXPECT_EQ(page.fieldTexts().muzzleVelocity, "2650");
  EXPECT_TRUE(page.recomputePending());
}

TEST_F(PrintLoad, AnUncomputableLoadAsksAndOkPrintsTheLoadAlone) {
  current->ballisticCoeff = 0;
  dialogs.answers.push_back(Answer::Ok);
  printLoad(page, database, dialogs);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text, kQuestion);
  EXPECT_EQ(dialogs.messages[0].title, "WARNING");
  EXPECT_EQ(dialogs.messages[0].buttons, Buttons::OkCancel);
  EXPECT_EQ(dialogs.messages[0].icon, Icon::Exclamation);
  ASSERT_NE(paper(), nullptr);
  EXPECT_EQ(paper()->findText("Ballistic Calculation Variables"), nullptr);
  EXPECT_EQ(paper()->texts().front().text, "Cartridge Load Information");
  EXPECT_EQ(paper()->texts().front().y, 10 + 20 + 10);
  EXPECT_TRUE(page.recomputePending());
}

TEST_F(PrintLoad, CancelHasThePageNameTheInvalidValuesAndPrintsNothing) {
  current->ballisticCoeff = 0;
  current->avVelocity = 4500;
  dialogs.answers.push_back(Answer::Cancel);
  printLoad(page, database, dialogs);
  EXPECT_EQ(dialogs.printDialogsShown, 0);
  ASSERT_EQ(dialogs.messages.size(), 2u);
  EXPECT_EQ(dialogs.messages[1].title, "Value Range Error");
  EXPECT_NE(dialogs.messages[1].text.find("   Ballistic Coeff must be between 0.022 and 5.00\n"),
            std::string::npos);
  EXPECT_NE(dialogs.messages[1].text.find("   Velocity must be between 500 and 4500\n"),
            std::string::npos);
  EXPECT_TRUE(page.inputsInvalid());
}

TEST_F(PrintLoad, AValueThatRoundsOutOfRangeInItsFieldStopsAtTheRangeMessage) {
  current->scopeHeight = 0.004f;  // valid, but its field shows 0.00
  printLoad(page, database, dialogs);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].title, "Value Range Error");
  EXPECT_EQ(dialogs.printDialogsShown, 0);
}

TEST_F(PrintLoad, WithoutACurrentLoadNothingHappens) {
  database.setCurrentLoad(nullptr);
  printLoad(page, database, dialogs);
  EXPECT_EQ(dialogs.printDialogsShown, 0);
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_FALSE(page.recomputePending());
}

}  // namespace
}  // namespace deadhold::testing
