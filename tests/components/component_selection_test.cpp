#include "components/component_selection.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace deadhold {
namespace {

using testing::TempFolder;
using testing::writeBytes;

const char* const kBullets =
    "; maker caliber weight type bc sd\n"
    "Sierra\t.308\t168\tHPBT MatchKing\t0.462\t0.253\n"
    "Hornady\t.308\t150\tSST\t0.415\t0.226\n";

TEST(ComponentSelection, TitlesCataloguesAndColumnsOfTheThreeDialogs) {
  using Bullet = ComponentSelectionTraits<BulletEntry>;
  using Powder = ComponentSelectionTraits<PowderEntry>;
  using Primer = ComponentSelectionTraits<PrimerEntry>;
  EXPECT_STREQ(Bullet::kTitle, "Bullet Selection");
  EXPECT_STREQ(Powder::kTitle, "Powder Selection");
  EXPECT_STREQ(Primer::kTitle, "Primer Selection");
  EXPECT_STREQ(Bullet::kCatalogue, "BULLETS.TXT");
  EXPECT_STREQ(Powder::kCatalogue, "POWDERS.TXT");
  EXPECT_STREQ(Primer::kCatalogue, "PRIMERS.TXT");

  const auto columns = [](const auto& table) {
    std::vector<std::pair<std::string, int>> result;
    for (const ComponentColumn& column : table) result.emplace_back(column.heading, column.width);
    return result;
  };
  using Columns = std::vector<std::pair<std::string, int>>;
  EXPECT_EQ(columns(Bullet::kColumns), (Columns{{"Manufacturer", 180},
                                                {"Caliber", 60},
                                                {"Weight", 60},
                                                {"Type", 120},
                                                {"BC", 40},
                                                {"SD", 40}}));
  EXPECT_EQ(columns(Powder::kColumns),
            (Columns{{"Manufacturer", 180}, {"Type", 120}, {"Lot Number", 120}}));
  EXPECT_EQ(columns(Primer::kColumns),
            (Columns{{"Manufacturer", 180}, {"Type", 120}, {"Lot Number", 100}}));
}

TEST(ComponentSelection, RowsAreTheSortedEntriesWithTheirTextsUnchanged) {
  TempFolder folder;
  writeBytes(folder / "BULLETS.TXT", kBullets);
  const BulletSelection selection(folder / "BULLETS.TXT");
  ASSERT_EQ(selection.rowCount(), 2u);
  EXPECT_EQ(selection.rowTexts(0),
            (std::array<std::string, 6>{"Hornady", ".308", "150", "SST", "0.415", "0.226"}));
  EXPECT_EQ(selection.rowTexts(1)[3], "HPBT MatchKing");
  EXPECT_FALSE(selection.selectEnabled());
  EXPECT_FALSE(selection.hasChoice());
}

TEST(ComponentSelection, MissingOrEmptyCatalogueKeepsSelectDisabled) {
  TempFolder folder;
  BulletSelection missing(folder / "BULLETS.TXT");
  EXPECT_EQ(missing.rowCount(), 0u);
  missing.highlightChanged(0);  // no such row
  EXPECT_FALSE(missing.selectEnabled());

  writeBytes(folder / "PRIMERS.TXT", "; only a comment\n\n");
  const PrimerSelection empty(folder / "PRIMERS.TXT");
  EXPECT_EQ(empty.rowCount(), 0u);
  EXPECT_FALSE(empty.selectEnabled());
}

TEST(ComponentSelection, ChoiceFollowsTheHighlightAndSurvivesItsRemoval) {
  TempFolder folder;
  writeBytes(folder / "BULLETS.TXT", kBullets);
  BulletSelection selection(folder / "BULLETS.TXT");
  selection.highlightChanged(0);
  EXPECT_TRUE(selection.selectEnabled());
  EXPECT_EQ(selection.chosenEntry().manufacturer, "Hornady");

  // The highlight moves: the row losing it is reported first, then the one gaining it.
  selection.highlightChanged(0);
  selection.highlightChanged(1);
  EXPECT_EQ(selection.chosenEntry().manufacturer, "Sierra");

  // A click on empty space only takes the highlight away: the row keeps being the choice, and
  // "Select" stays enabled.
  selection.highlightChanged(1);
  selection.select();
  EXPECT_TRUE(selection.closed());
  EXPECT_TRUE(selection.selectEnabled());
  EXPECT_EQ(selection.chosenEntry(),
            (BulletEntry{"Sierra", ".308", "168", "HPBT MatchKing", "0.462", "0.253"}));
}

TEST(ComponentSelection, CancelEmptiesTheChoice) {
  TempFolder folder;
  writeBytes(folder / "POWDERS.TXT", "IMR\t4831\tL-77\n");
  PowderSelection selection(folder / "POWDERS.TXT");
  selection.highlightChanged(0);
  ASSERT_TRUE(selection.hasChoice());
  selection.cancel();
  EXPECT_TRUE(selection.closed());
  EXPECT_FALSE(selection.hasChoice());
  EXPECT_EQ(selection.chosenEntry(), PowderEntry{});
}

TEST(ComponentSelection, EveryOpeningReadsTheCatalogueAgain) {
  TempFolder folder;
  writeBytes(folder / "PRIMERS.TXT", "CCI\tLR 200\n");
  EXPECT_EQ(PrimerSelection(folder / "PRIMERS.TXT").rowCount(), 1u);
  writeBytes(folder / "PRIMERS.TXT", "CCI\tLR 200\nFederal\tLR 210\tF-1\n");
  const PrimerSelection reopened(folder / "PRIMERS.TXT");
  ASSERT_EQ(reopened.rowCount(), 2u);
  EXPECT_EQ(reopened.rowTexts(0), (std::array<std::string, 3>{"CCI", "LR 200", ""}));
  EXPECT_EQ(reopened.rowTexts(1), (std::array<std::string, 3>{"Federal", "LR 210", "F-1"}));
}

TEST(ComponentSelection, StarterCataloguesOpen) {
  const std::filesystem::path resources = DEADHOLD_RESOURCES_DIR;
  EXPECT_GT(BulletSelection(resources / "BULLETS.TXT").rowCount(), 10u);
  EXPECT_GT(PowderSelection(resources / "POWDERS.TXT").rowCount(), 10u);
  EXPECT_GT(PrimerSelection(resources / "PRIMERS.TXT").rowCount(), 10u);
}

}  // namespace
}  // namespace deadhold
