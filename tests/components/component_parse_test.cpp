#include <gtest/gtest.h>

#include <string>

#include "components/component_list.h"
#include "support/temp_folder.h"

namespace deadhold {
namespace {

using namespace std::string_literals;

const std::string kHeader = "; Manufacturer\tCaliber\tWeight\tType\tBC\tSD\n";

TEST(ParseBullets, FieldsInFileOrder) {
  const BulletList list =
      parseBullets(kHeader + "Sierra\t.308\t168\tHPBT MatchKing\t0.462\t0.253\n\0"s);
  ASSERT_EQ(list.size(), 1u);
  EXPECT_EQ(list[0], (BulletEntry{"Sierra", ".308", "168", "HPBT MatchKing", "0.462", "0.253"}));
}

TEST(ParseBullets, LastLineWithoutLineBreakIsDropped) {
  const BulletList list =
      parseBullets("A\t.224\t55\tSP\t0.250\t0.157\nB\t.224\t60\tHP\t0.260\t0.171\0"s);
  ASSERT_EQ(list.size(), 1u);
  EXPECT_EQ(list[0].manufacturer, "A");
  // A comment or a tab after the sixth field keeps it.
  EXPECT_EQ(parseBullets("A\t.224\t55\tSP\t0.250\t0.157;note\0"s).size(), 1u);
  EXPECT_EQ(parseBullets("A\t.224\t55\tSP\t0.250\t0.157\t\0"s).size(), 1u);
}

TEST(ParseBullets, FiveFieldLineShiftsEveryFollowingEntry) {
  const BulletList list = parseBullets(
      "A\t.224\t55\tSP\t0.250\n"
      "B\t.243\t100\tBTSP\t0.405\t0.242\n"
      "C\t.308\t150\tSST\t0.415\t0.226\n\0"s);
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(list[0], (BulletEntry{"A", ".224", "55", "SP", "0.250", "B"}));
  EXPECT_EQ(list[1], (BulletEntry{".243", "100", "BTSP", "0.405", "0.242", "C"}));
}

TEST(ParseBullets, IncompleteTrailingEntryIsDropped) {
  EXPECT_TRUE(parseBullets("A\t.224\t55\n\0"s).empty());
}

TEST(ParseBullets, SeparatorRunsAndSpaceFields) {
  const BulletList list = parseBullets("A\t\t.224\t\n55\r\n \t0.250\t\t0.157\r\n\0"s);
  ASSERT_EQ(list.size(), 1u);
  EXPECT_EQ(list[0], (BulletEntry{"A", ".224", "55", " ", "0.250", "0.157"}));
}

TEST(ParseBullets, ZeroByteInTheMiddleEndsTheText) {
  const BulletList list =
      parseBullets("A\t.224\t55\tSP\t0.250\t0.157\n\0B\t.224\t60\tHP\t0.260\t0.171\n\0"s);
  ASSERT_EQ(list.size(), 1u);
  EXPECT_EQ(list[0].manufacturer, "A");
}

TEST(ParseBullets, LongFieldIsCutAndTheRecordStaysAligned) {
  const std::string longType(80, 't');
  const BulletList list = parseBullets("A\t.224\t55\t" + longType + "\t0.250\t0.157\n\0"s);
  ASSERT_EQ(list.size(), 1u);
  EXPECT_EQ(list[0].type, std::string(63, 't'));
  EXPECT_EQ(list[0].ballisticCoeff, "0.250");
  EXPECT_EQ(list[0].sectionalDensity, "0.157");
}

TEST(ParseComponents, EmptyOrCommentOnlyTextGivesAnEmptyList) {
  for (const std::string& text : {"\0"s, "; nothing here\n\t\r\n;more\0"s, "\n\n\t\0"s}) {
    EXPECT_TRUE(parseBullets(text).empty());
    EXPECT_TRUE(parsePowders(text).empty());
    EXPECT_TRUE(parsePrimers(text).empty());
  }
}

TEST(ParsePowders, ThreeFieldsAndTheSameKeepingRule) {
  const PowderList list = parsePowders(
      "; Manufacturer\tType\tLot\nHodgdon\tH4350\t-\nIMR\t4064\t12345;note\nAlliant\tReloder 22\t9\0"s);
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(list[0], (PowderEntry{"Hodgdon", "H4350", "-"}));
  EXPECT_EQ(list[1], (PowderEntry{"IMR", "4064", "12345"}));
}

TEST(ParsePrimers, LotNumberIsOptional) {
  const PrimerList list = parsePrimers("CCI\tLR 200\nFederal\tLR 210\tA123\n\0"s);
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(list[0], (PrimerEntry{"CCI", "LR 200", ""}));
  EXPECT_EQ(list[1], (PrimerEntry{"Federal", "LR 210", "A123"}));
}

TEST(ParsePrimers, LastLineWithLotAndNoLineBreakIsKept) {
  const PrimerList list = parsePrimers("CCI\tLR 200\nFederal\tLR 210\tA123\0"s);
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(list[1], (PrimerEntry{"Federal", "LR 210", "A123"}));
}

TEST(ParsePrimers, TrailingTabTakesTheNextLinesFirstField) {
  const PrimerList list = parsePrimers("CCI\tLR 200\t\nFederal\tLR 210\nWinchester\tWLR\n\0"s);
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(list[0], (PrimerEntry{"CCI", "LR 200", "Federal"}));
  EXPECT_EQ(list[1], (PrimerEntry{"LR 210", "Winchester", "WLR"}));
}

TEST(ParsePrimers, CommentAfterTheTypeAlsoReadsALotNumber) {
  const PrimerList list = parsePrimers("CCI\tLR 200;note\nFederal\tLR 210\n\0"s);
  ASSERT_EQ(list.size(), 1u);
  EXPECT_EQ(list[0], (PrimerEntry{"CCI", "LR 200", "Federal"}));
}

TEST(ParsePrimers, EntriesCutShortByTheEndAreDropped) {
  EXPECT_TRUE(parsePrimers("CCI\0"s).empty());
  EXPECT_TRUE(parsePrimers("CCI\tLR 200\0"s).empty());
  // A tab after the type keeps the entry even when no lot number follows.
  const PrimerList list = parsePrimers("CCI\tLR 200\t\0"s);
  ASSERT_EQ(list.size(), 1u);
  EXPECT_EQ(list[0], (PrimerEntry{"CCI", "LR 200", ""}));
}

TEST(ReadLists, ReadParseAndSortOrNothingWhenMissing) {
  const testing::TempFolder folder;
  testing::writeBytes(folder / kBulletCatalogue,
                      "; maker\nB\t.224\t55\tSP\t0.250\t0.157\nA\t.224\t55\tSP\t0.250\t0.157\n");
  testing::writeBytes(folder / kPowderCatalogue, "Z\tz\t1\nY\ty\t2\n");
  testing::writeBytes(folder / kPrimerCatalogue, "Z\tz\nY\ty\n");
  const auto bullets = readBulletList(folder / kBulletCatalogue);
  ASSERT_TRUE(bullets.has_value());
  ASSERT_EQ(bullets->size(), 2u);
  EXPECT_EQ(bullets->front().manufacturer, "A");
  const auto powders = readPowderList(folder / kPowderCatalogue);
  ASSERT_TRUE(powders.has_value());
  EXPECT_EQ(powders->front().manufacturer, "Y");
  const auto primers = readPrimerList(folder / kPrimerCatalogue);
  ASSERT_TRUE(primers.has_value());
  EXPECT_EQ(primers->front().manufacturer, "Y");

  const testing::TempFolder empty;
  EXPECT_FALSE(readBulletList(empty / kBulletCatalogue).has_value());
  EXPECT_FALSE(readPowderList(empty / kPowderCatalogue).has_value());
  EXPECT_FALSE(readPrimerList(empty / kPrimerCatalogue).has_value());
}

}  // namespace
}  // namespace deadhold
