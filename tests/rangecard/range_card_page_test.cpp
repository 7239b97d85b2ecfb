#include "rangecard/range_card_page.h"

#include <gtest/gtest.h>

#include "loads/load_rules.h"
#include "support/fake_dialogs.h"
#include "support/recording_surface.h"

namespace deadhold {
namespace {

using F = RangeCardField;

struct KeptCards : RangeCardPrinter {
  void printRangeCard(const RangeCard& card) override { cards.push_back(card); }
  std::vector<RangeCard> cards;
};

class RangeCardPageTest : public ::testing::Test {
 protected:
  LoadRecord& addLoad(const char* type, float velocity) {
    LoadRecord load = blankLoadRecord();
    load.caliber.assign(".308/7.62");
    load.bulletMfg.assign("Sierra");
    load.bulletType.assign(type);
    load.bulletWeight = 175;
    load.ballisticCoeff = 0.505f;
    load.avVelocity = velocity;
    load.targetDistance = 0;  // never entered: 100 yd on the card
    load.temperature = 0;     // 59 F
    load.elevation = 5000;
    LoadRecord& added = database.addLoadCopy(load);
    database.setCurrentLoad(&added);
    return added;
  }

  LoadDatabase database{"RELOADER.DAT"};  // never read or written here
  testing::FakeDialogs dialogs;
  SessionSettings settings;
  RangeCardPage page{database, dialogs, settings, "Default Load"};
};

TEST_F(RangeCardPageTest, StartsFromTheDefaultLoadWithAWindForTheHolds) {
  page.handOver();
  EXPECT_TRUE(page.recomputePending());
  EXPECT_EQ(page.label(), "Default Load");
  EXPECT_EQ(page.fieldText(F::BallisticCoeff), "0.436");
  EXPECT_EQ(page.fieldText(F::ZeroRange), "100");
  EXPECT_EQ(page.fieldText(F::WindSpeed), "10");
  EXPECT_EQ(page.fieldText(F::WindAngle), "90");
  EXPECT_EQ(page.airValueCaption(), std::string("Altitude ft"));
  page.runPendingRecompute();
  EXPECT_FALSE(page.recomputePending());
  ASSERT_EQ(page.listRows().size(), 11u);
  EXPECT_EQ(page.listRows()[1][4], "0.0");  // zeroed at 100 yd
  EXPECT_EQ(page.notes().at(0), "Bore 3.35 MOA above the line of sight");
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(RangeCardPageTest, TypedValuesStayUntilAnotherLoadIsCurrent) {
  addLoad("MatchKing", 2600);
  page.handOver();
  EXPECT_EQ(page.fieldText(F::MuzzleVelocity), "2600");
  EXPECT_EQ(page.fieldText(F::ZeroRange), "100");
  EXPECT_EQ(page.fieldText(F::Temperature), "59");
  EXPECT_EQ(page.fieldText(F::Air), "5000");
  page.runPendingRecompute();
  page.editField(F::MuzzleVelocity, "2650");
  page.handOver();
  EXPECT_FALSE(page.recomputePending());
  EXPECT_EQ(page.fieldText(F::MuzzleVelocity), "2650");
  page.getLoadData();
  EXPECT_EQ(page.fieldText(F::MuzzleVelocity), "2600");
  page.editField(F::MuzzleVelocity, "2650");
  addLoad("Tipped MatchKing", 2610);
  page.handOver();
  EXPECT_TRUE(page.recomputePending());
  EXPECT_EQ(page.fieldText(F::MuzzleVelocity), "2610");
  EXPECT_EQ(database.currentLoad()->avVelocity, 2610.0f);  // the load itself is never written
}

// What the record has no field for is kept per bullet in the user's settings, under a key that
// no description can break out of.
TEST_F(RangeCardPageTest, RemembersTheBulletsG7CoefficientAndSpinAndTheCardsConditions) {
  addLoad("MatchKing", 2600);
  page.handOver();
  page.chooseDragFunction(1);
  EXPECT_EQ(page.fieldText(F::BallisticCoeff), "");
  page.editField(F::BallisticCoeff, "0.243");
  for (auto [field, text] : {std::pair{F::Twist, "10"}, std::pair{F::BulletLength, "1.24"},
                             std::pair{F::BulletDiameter, "0.308"}, std::pair{F::Humidity, "40"}})
    page.editField(field, text);
  page.chooseClickUnit(1);
  page.editField(F::ClickSize, "0.1");
  page.calculate();
  ASSERT_TRUE(page.resultsValid());
  // 2.400 at 5000 ft and 59 F, 40 % humidity: density ratio 0.8320 * (1 - 0.0031).
  EXPECT_EQ(page.notes().at(1), "Stability factor 2.89 (Miller)");
  const std::string bullet =
      "RangeCard/Bullets/%2E308%2F7%2E62%20Cal%2C%20Sierra%20MatchKing%2C%20175%20grn/";
  EXPECT_EQ(settings.value(bullet + "dragFunction"), "G7");
  EXPECT_EQ(settings.value(bullet + "g7Coeff"), "0.243");
  EXPECT_EQ(settings.value(bullet + "twist"), "10");
  EXPECT_EQ(settings.value("RangeCard/humidity"), "40");
  EXPECT_EQ(settings.value("RangeCard/clickUnit"), "MIL");

  RangeCardPage later(database, dialogs, settings, "Default Load");
  later.handOver();
  EXPECT_EQ(later.texts().dragFunction, 1);
  EXPECT_EQ(later.fieldText(F::BallisticCoeff), "0.243");
  EXPECT_EQ(later.fieldText(F::BulletDiameter), "0.308");
  EXPECT_EQ(later.fieldText(F::ClickSize), "0.1");
  later.chooseDragFunction(0);
  EXPECT_EQ(later.fieldText(F::BallisticCoeff), "0.505");
  addLoad("GameKing", 2600);
  later.handOver();
  EXPECT_EQ(later.texts().dragFunction, 0);  // another bullet: nothing remembered for it
  EXPECT_EQ(later.fieldText(F::Twist), "");
  EXPECT_EQ(later.fieldText(F::Humidity), "40");
}

TEST_F(RangeCardPageTest, WhatCannotBeCalculatedSaysWhyAndIsNeitherListedNorRemembered) {
  page.handOver();
  page.editField(F::Humidity, "wet");
  KeptCards printer;
  page.print(printer);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].title, "Value Range Error");
  EXPECT_EQ(dialogs.messages[0].text.substr(dialogs.messages[0].text.find("\n\n") + 2),
            "   Humidity must be between 0 and 100\n");
  EXPECT_TRUE(printer.cards.empty());
  EXPECT_TRUE(page.listRows().empty());

  page.editField(F::Humidity, "50");
  page.editField(F::MuzzleVelocity, "400");
  page.editField(F::ZeroRange, "1500");
  page.calculate();
  EXPECT_EQ(dialogs.messages.back().title, "Zero Not Found");
  EXPECT_FALSE(page.resultsValid());
  EXPECT_FALSE(settings.value("RangeCard/humidity"));

  page.editField(F::ZeroRange, "100");
  page.print(printer);
  ASSERT_EQ(printer.cards.size(), 1u);
  EXPECT_EQ(printer.cards[0].values.humidity, 50);
  EXPECT_EQ(printer.cards[0].label, "Default Load");
  testing::RecordingSurface surface;
  page.drawGraph(surface, {0, 0, 500, 200});
  EXPECT_TRUE(surface.findText("Path"));
}

}  // namespace
}  // namespace deadhold
