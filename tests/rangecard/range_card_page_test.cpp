#include "rangecard/range_card_page.h"

#include <gtest/gtest.h>

#include "loads/sample_loads.h"
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
  void addLoad(const char* type, float velocity) {
    LoadRecord load = testing::makeLoad(".308/7.62", 175, "Sierra", type);
    load.ballisticCoeff = 0.505f;
    load.avVelocity = velocity;
    load.targetDistance = 0;  // never entered: 100 yd on the card
    load.temperature = 0;     // 59 F
    load.elevation = 5000;
    database.setCurrentLoad(&database.addLoadCopy(load));
  }
  // The texts the page shows in these fields.
  void expectFields(const RangeCardPage& shown,
                    std::initializer_list<std::pair<F, const char*>> fields) {
    for (const auto& [field, text] : fields)
      EXPECT_EQ(shown.fieldText(field), text) << static_cast<int>(field);
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
  expectFields(page, {{F::BallisticCoeff, "0.436"},
                      {F::ZeroRange, "100"},
                      {F::WindSpeed, "10"},
                      {F::WindAngle, "90"}});
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
  expectFields(page, {{F::MuzzleVelocity, "2600"},
                      {F::ZeroRange, "100"},
                      {F::Temperature, "59"},
                      {F::Air, "5000"}});
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
  for (const auto& [key, value] : {std::pair{bullet + "dragFunction", "G7"},
                                   {bullet + "g7Coeff", "0.243"},
                                   {bullet + "twist", "10"},
                                   {std::string("RangeCard/humidity"), "40"},
                                   {std::string("RangeCard/clickUnit"), "MIL"}})
    EXPECT_EQ(settings.value(key), value) << key;

  RangeCardPage later(database, dialogs, settings, "Default Load");
  later.handOver();
  EXPECT_EQ(later.texts().dragFunction, 1);
  expectFields(later,
               {{F::BallisticCoeff, "0.243"}, {F::BulletDiameter, "0.308"}, {F::ClickSize, "0.1"}});
  later.chooseDragFunction(0);
  EXPECT_EQ(later.fieldText(F::BallisticCoeff), "0.505");
  addLoad("GameKing", 2600);
  later.handOver();
  EXPECT_EQ(later.texts().dragFunction, 0);  // another bullet: nothing remembered for it
  expectFields(later, {{F::Twist, ""}, {F::Humidity, "40"}});
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
