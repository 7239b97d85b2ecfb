#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "loadinfo/load_block.h"
#include "loadinfo/range_notes_block.h"
#include "loads/sample_loads.h"
#include "support/recording_surface.h"

// RecordingSurface metrics: a text is (characters x cell height / 2) wide, one cell high.
namespace deadhold::testing {
namespace {

const Pen kLinePen{PenStyle::Solid, 2, kBlack};

std::unique_ptr<LoadRecord> sampleLoad() {
  auto load =
      std::make_unique<LoadRecord>(makeLoad(".308 Win", 168, "Sierra", "MatchKing", "Match"));
  load->mfgDate.assign("3/1/99");
  load->cartridgeLot.assign("A7");
  load->ballisticCoeff = 0.462f;
  load->powderMfg.assign("Hodgdon");
  load->powderType.assign("Varget");
  load->powderWeight = 44.5f;
  load->powderLot.assign("P1");
  load->primerMfg.assign("CCI");
  load->primerSize.assign("LR");
  load->primerType.assign("BR-2");
  load->primerLot.assign("L9");
  load->caseMfg.assign("Lapua");
  load->caseLength = 2.005f;
  load->cartridgeOal = 2.8f;
  load->comparatorOal = 2.21f;
  load->avGroup = 0.5f;
  load->avVelocity = 2650.4f;
  load->moly = 0.5f;
  load->crimp = 0;
  load->shots[0] = {2650, -0.25f, 1.5f, 1.5207f, 1};
  load->shots[1] = {2651, 0, 0, 0, 0};
  return load;
}

// At k = 1: the body font is 12 high (6 per character), the title font 14 (7 per character).
// A row of the columns is 12 + 12 / 8 = 13, a shot row 14 + 14 / 8 = 15.
TEST(LoadBlock, PlacesHeaderColumnsAndShotStringByMeasuredWidths) {
  RecordingSurface surface;
  surface.setFont({"Verdana", 30, 400});
  surface.setPen({PenStyle::Dotted, 5, kRed});
  const auto load = sampleLoad();
  const LoadBlockExtent extent = drawLoadBlock(surface, 50, 100, 1, load.get(), 10000);

  const std::vector<PlacedText> texts = surface.placedTexts();
  const std::vector<PlacedText> head{
      {50, 100, "Cartridge Load Information"},
      // 116 = 100 + 14 + 2; each header text 20 after the end of the one before.
      {50, 116, "Load Name: Match"},
      {50 + 96 + 20, 116, "Mfg Date: 3/1/99"},
      {50 + 96 + 20 + 96 + 20, 116, "Mfg Lot #: A7"},
      // Column 1: values after "Ballistic Coeff:" (96) and a space (6).
      {50, 129, "Bullet Mfg:"},
      {152, 129, "Sierra"},
      {50, 142, "Bullet Type:"},
      {152, 142, "MatchKing"},
      {50, 155, "Bullet Caliber:"},
      {152, 155, ".308 Win"},
      {50, 168, "Bullet Weight:"},
      {152, 168, "168"},
      {50, 181, "Ballistic Coeff:"},
      {152, 181, "0.462"},
      // Column 2 at 152 + 96 ("1234567890123456"), values after "Powder Weight:" (84) + 6.
      {248, 129, "Powder Mfg:"},
      {338, 129, "Hodgdon"},
      {248, 142, "Powder Type:"},
      {338, 142, "Varget"},
      {248, 155, "Powder Weight:"},
      {338, 155, "44.5"},
      {248, 168, "Powder Lot #:"},
      {338, 168, "P1"},
      // Column 3 at 338 + 96, values after "Primer Lot #:" (78) + 6.
      {434, 129, "Primer Mfg:"},
      {518, 129, "CCI"},
      {434, 142, "Primer Size:"},
      {518, 142, "LR"},
      {434, 155, "Primer Type:"},
      {518, 155, "BR-2"},
      {434, 168, "Primer Lot #:"},
      {518, 168, "L9"},
      {434, 181, "Case Mfg:"},
      {518, 181, "Lapua"},
      {434, 194, "Case Length:"},
      {518, 194, "2.005"},
      // Column 4 at 518 + 96, values after "Comparator OAL:" (90) + 6.
      {614, 129, "Cartridge OAL:"},
      {710, 129, "2.800"},
      {614, 142, "Comparator OAL:"},
      {710, 142, "2.210"},
      {614, 155, "Av. Group size:"},
      {710, 155, "0.500"},
      {614, 168, "Av. Velocity:"},
      {710, 168, "2650"},
      {614, 181, "Moly Coated:"},
      {710, 181, "Yes"},
      {614, 194, "Crimped:"},
      {710, 194, "No"},
      // 207 = 116 + 7 x 13; headers one shot row lower, 10 after "#88)", "X Dist:", "X Dist:",
      // "Radius:".
      {50, 207, "Shot String Data"},
      {50, 222, "#"},
      {84, 222, "X Dist"},
      {136, 222, "Y Dist"},
      {188, 222, "Radius"},
      {240, 222, "Velocity"},
      // The rows from the line (237) + 2, one shot row apart.
      {50, 239, "# 1) "},
      {84, 239, "-0.250 "},
      {136, 239, " 1.500 "},
      {188, 239, " 1.521 "},
      {240, 239, "  2650"},
      {50, 254, "# 2) "},
      {84, 254, " 0.000 "},
      {136, 254, " 0.000 "},
      {188, 254, " 0.000 "},
      {240, 254, "  2651"},
  };
  ASSERT_EQ(texts.size(), head.size() + 8 * 5);
  EXPECT_EQ(std::vector<PlacedText>(texts.begin(), texts.begin() + static_cast<long>(head.size())),
            head);
  EXPECT_EQ(texts.back(), (PlacedText{240, 239 + 9 * 15, "     0"}));
  EXPECT_EQ(texts[texts.size() - 5].text, "#10) ");

  ASSERT_EQ(surface.lines().size(), 2u);
  EXPECT_EQ(drawnBox(surface.lines()[0]), (Rect{50, 114, 50 + 182, 114}));
  EXPECT_EQ(drawnBox(surface.lines()[1]), (Rect{50, 237, 240 + 54 + 10, 237}));
  EXPECT_EQ(surface.lines()[1].pen, kLinePen);
  EXPECT_EQ(extent, (LoadBlockExtent{100, 239, 240 + 54, 239 + 10 * 15}));
  EXPECT_EQ(surface.font(), (Font{"Verdana", 30, 400}));
  EXPECT_EQ(surface.pen(), (Pen{PenStyle::Dotted, 5, kRed}));
}

// The header line ends where the last column's values end (710 + 96 - 6 = 800 at k = 1) or at
// the printable edge: a name too long for it is fitted like the values, and the date and lot
// follow it whole.
TEST(LoadBlock, ALongLoadNameIsFittedIntoTheHeaderLine) {
  RecordingSurface surface;
  auto load = sampleLoad();
  load->loadName.assign(std::string(200, 'N'));  // longer names come only from files
  drawLoadBlock(surface, 50, 100, 1, load.get(), 10000);
  const std::vector<DrawOp> texts = surface.texts();
  const auto end = [](const DrawOp& text) {
    return text.x + static_cast<int>(text.text.size()) * text.font.cellHeight / 2;
  };
  EXPECT_EQ(texts[1].text.rfind("Load Name: NNN", 0), 0u);
  EXPECT_EQ(texts[1].text.substr(texts[1].text.size() - 3), "...");
  EXPECT_EQ(texts[2].text, "Mfg Date: 3/1/99");
  // The name gets 800 - 50 - 20 - 96 - 20 - 78 = 536 and ends within it.
  EXPECT_LE(end(texts[1]), 50 + 536);
  EXPECT_EQ(texts[2].x, 50 + 536 + 20);
  EXPECT_EQ(texts[3].text, "Mfg Lot #: A7");
  EXPECT_EQ(texts[3].x, 50 + 536 + 20 + 96 + 20);
  EXPECT_EQ(end(texts[3]), 800);

  surface.ops.clear();
  drawLoadBlock(surface, 50, 100, 1, load.get(), 700);
  EXPECT_EQ(surface.texts()[3].x, 700 - 78);
}

TEST(LoadBlock, WithoutALoadDrawsTheLabelsAndShotNumbersOnly) {
  RecordingSurface surface;
  const LoadBlockExtent extent = drawLoadBlock(surface, 50, 100, 1, nullptr, 10000);
  EXPECT_EQ(extent, (LoadBlockExtent{100, 239, 294, 389}));
  const std::vector<PlacedText> texts = surface.placedTexts();
  EXPECT_EQ(texts[1], (PlacedText{50, 116, "Load Name: "}));
  EXPECT_EQ(texts[2], (PlacedText{50 + 66 + 20, 116, "Mfg Date: "}));
  EXPECT_EQ(texts[3], (PlacedText{50 + 66 + 20 + 60 + 20, 116, "Mfg Lot #"}));
  // 21 labels, the shot title and five headers, and ten numbers.
  ASSERT_EQ(texts.size(), 4u + 21u + 6u + 10u);
  EXPECT_EQ(texts[4], (PlacedText{50, 129, "Bullet Mfg:"}));
  EXPECT_EQ(texts[5], (PlacedText{50, 142, "Bullet Type:"}));
  EXPECT_EQ(texts[9], (PlacedText{248, 129, "Powder Mfg:"}));
  EXPECT_EQ(texts.back(), (PlacedText{50, 239 + 9 * 15, "#10) "}));
}

TEST(LoadBlock, ScaledLengthsAreCutOneByOne) {
  RecordingSurface surface;
  // k = 0.9 x 7.843...: fonts 98 and 84, 2k cut to 14, 20k to 141, 10k to 70.
  const double k = 0.9 * (4800.0 / 612);
  const LoadBlockExtent extent = drawLoadBlock(surface, 391, 300, k, sampleLoad().get(), 10000);
  EXPECT_EQ(surface.findText("Cartridge Load Information")->font.cellHeight, 98);
  EXPECT_EQ(surface.findText("Load Name: Match")->y, 300 + 98 + 14);
  EXPECT_EQ(surface.findText("Mfg Date: 3/1/99")->x, 391 + 16 * 42 + 141);
  EXPECT_EQ(surface.findText("X Dist")->x, 391 + 4 * 42 + 70);
  const int row = 84 + 84 / 8;
  const int shotRow = 98 + 98 / 8;
  EXPECT_EQ(extent.firstShotRow, 300 + 98 + 14 + 7 * row + 2 * shotRow + 14);
}

class RangeNotes : public ::testing::Test {
 protected:
  // The body font is 14 high (7 per character): "Range Notes" is 77 wide, so lines break once
  // they have run past cut(2.5 x 77) = 192.
  std::vector<PlacedText> notesDrawn(std::string_view notes, int rightEdge = 10000) {
    load.notes.assign(notes);
    surface.ops.clear();
    drawRangeNotes(surface, 400, 239, 1, &load, rightEdge);
    const std::vector<PlacedText> texts = surface.placedTexts();
    return std::vector<PlacedText>(texts.begin() + 1, texts.end());
  }

  LoadRecord load = blankLoadRecord();
  RecordingSurface surface;
};

TEST_F(RangeNotes, TitleStandsOnItsLine) {
  notesDrawn("");
  ASSERT_EQ(surface.texts().size(), 1u);
  EXPECT_EQ(surface.texts()[0].x, 400);
  EXPECT_EQ(surface.texts()[0].y, 239 - 14);
  EXPECT_EQ(surface.texts()[0].text, "Range Notes");
  EXPECT_EQ(surface.texts()[0].font, (Font{"Arial", 14, 700}));
  ASSERT_EQ(surface.lines().size(), 1u);
  EXPECT_EQ(drawnBox(surface.lines()[0]), (Rect{400, 239, 477, 239}));
  EXPECT_EQ(surface.lines()[0].pen, kLinePen);
}

TEST_F(RangeNotes, ALineBreaksBeforeTheWordThatFollowsThePassedLimit) {
  // Words of 70 and a space of 7: after three words x has moved 231 > 192.
  const std::vector<PlacedText> expected{{400, 241, "0123456789"},
                                         {477, 241, "abcdefghij"},
                                         {554, 241, "0123456789"},
                                         {400, 255, "klmnopqrst"},
                                         {477, 255, "end"}};
  EXPECT_EQ(notesDrawn("0123456789 abcdefghij 0123456789 klmnopqrst end"), expected);
  EXPECT_EQ(surface.texts()[1].font, (Font{"Arial", 14, 400}));
}

TEST_F(RangeNotes, TheLimitIsTestedBeforeEachWord) {
  // 13 + 12 characters and two spaces bring x to 189, not past 192: the third word stays.
  EXPECT_EQ(notesDrawn("abcdefghijklm abcdefghijkl x"),
            (std::vector<PlacedText>{
                {400, 241, "abcdefghijklm"}, {498, 241, "abcdefghijkl"}, {589, 241, "x"}}));
  // 13 + 13 bring it to 196: the third word starts the next line.
  EXPECT_EQ(notesDrawn("abcdefghijklm abcdefghijklm x"),
            (std::vector<PlacedText>{
                {400, 241, "abcdefghijklm"}, {498, 241, "abcdefghijklm"}, {400, 255, "x"}}));
}

TEST_F(RangeNotes, NoWordRunsPastTheEdgeOfThePrintableArea) {
  // With the edge at 650, the third word (x 554, 70 wide) would end at 624: it stays; at 620
  // it starts the next line, where the limit rule goes on as before.
  EXPECT_EQ(notesDrawn("0123456789 abcdefghij 0123456789 klmnopqrst end", 650)[2],
            (PlacedText{554, 241, "0123456789"}));
  EXPECT_EQ(notesDrawn("0123456789 abcdefghij 0123456789 klmnopqrst end", 620),
            (std::vector<PlacedText>{{400, 241, "0123456789"},
                                     {477, 241, "abcdefghij"},
                                     {400, 255, "0123456789"},
                                     {477, 255, "klmnopqrst"},
                                     {554, 255, "end"}}));
  // A word wider than a whole line (400 to 470 holds 10 characters) is broken at the edge.
  EXPECT_EQ(notesDrawn("ab 0123456789abcdefghijklmno", 470),
            (std::vector<PlacedText>{{400, 241, "ab"},
                                     {400, 255, "0123456789"},
                                     {400, 269, "abcdefghij"},
                                     {400, 283, "klmno"}}));
}

TEST_F(RangeNotes, LineBreaksInTheNotesOnlyEndWords) {
  EXPECT_EQ(notesDrawn("one two"), (std::vector<PlacedText>{{400, 241, "one"}, {428, 241, "two"}}));
  // CR LF is two word ends: the empty word between them takes one more space.
  EXPECT_EQ(notesDrawn("one\r\ntwo"),
            (std::vector<PlacedText>{{400, 241, "one"}, {435, 241, "two"}}));
  EXPECT_EQ(notesDrawn("one\ntwo"),
            (std::vector<PlacedText>{{400, 241, "one"}, {428, 241, "two"}}));
}

TEST_F(RangeNotes, EmptyNotesDrawOnlyTheTitleAndItsLine) {
  EXPECT_TRUE(notesDrawn("").empty());
  EXPECT_EQ(surface.lines().size(), 1u);
}

TEST_F(RangeNotes, OnlyTheTextBeforeItsEndIsPrinted) {
  notesDrawn("an earlier and much longer version of the notes");
  EXPECT_EQ(notesDrawn("short"), (std::vector<PlacedText>{{400, 241, "short"}}));
}

TEST_F(RangeNotes, WithoutALoadOnlyTheTitleIsDrawn) {
  drawRangeNotes(surface, 400, 239, 1, nullptr, 10000);
  EXPECT_EQ(surface.texts().size(), 1u);
  EXPECT_EQ(surface.lines().size(), 1u);
}

}  // namespace
}  // namespace deadhold::testing
