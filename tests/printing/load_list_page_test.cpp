#include "printing/load_list_page.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/cformat.h"
#include "loads/sample_loads.h"
#include "support/recording_surface.h"
#include "support/temp_folder.h"

// RecordingSurface metrics: a text is (characters x cell height / 2) wide, one cell high.
namespace deadhold::testing {
namespace {

const std::string kHeading = "Deadhold\xAE, Computer Reloading and Ballistics Software";

class LoadListPage : public ::testing::Test {
 protected:
  // Loads named "L01", "L02" ... in list order (their calibers sort them).
  void addLoads(int count) {
    for (int i = 1; i <= count; ++i) {
      LoadRecord load =
          makeLoad(cformat("C%02d", i), 150.9f, "Hornady", "SST", cformat("L%02d", i));
      load.powderMfg.assign("IMR");
      load.powderType.assign("4350");
      load.powderWeight = 56.7f;
      load.avVelocity = 2899.6f;
      load.avGroup = 0.75f;
      database.addLoadCopy(load);
    }
  }

  std::vector<std::string> loadNames() const {
    std::vector<std::string> names;
    for (const DrawOp& op : surface.texts())
      if (op.text.rfind("Load Name ", 0) == 0) names.push_back(op.text);
    return names;
  }

  TempFolder folder;
  LoadDatabase database{folder / "RELOADER.DAT"};
  RecordingSurface surface;
};

TEST_F(LoadListPage, HeadingThenNameTitlesAndValuesPerLoad) {
  addLoads(2);
  LoadListPrintJob job{database.loadAt(0)};
  renderLoadListPage(surface, 1, job, database);

  const std::vector<DrawOp> texts = surface.texts();
  ASSERT_EQ(texts.size(), 1u + 2u * 19u);
  EXPECT_EQ(texts[0].text, kHeading);
  EXPECT_EQ(texts[0].x, 50);
  EXPECT_EQ(texts[0].y, 40);
  EXPECT_EQ(texts[0].font, (Font{"Verdana", 14, 700}));
  // The heading's line at 10 + 20 + 12 + 15, as wide as the heading in the bold font.
  ASSERT_EQ(surface.lines().size(), 1u);
  EXPECT_EQ(drawnBox(surface.lines()[0]), (Rect{50, 57, 50 + 53 * 7, 57}));
  EXPECT_EQ(surface.lines()[0].pen, (Pen{PenStyle::Solid, 2, kBlack}));

  // The first load at 57 + 12 + 10; titles one pitch (12) lower, values two.
  const std::vector<int> columns{50, 120, 200, 255, 310, 380, 430, 480, 540};
  const std::vector<std::string> titles{"Caliber", "Bullet Weight", "Mfg",
                                        "Type",    "Powder Mfg",    "Type",
                                        "Weight",  "Velocity",      "Group"};
  const std::vector<std::string> values{"C01",  "150 grns", "Hornady",  "SST",     "IMR",
                                        "4350", "56 grns",  "2899 fps", "0.750 in"};
  EXPECT_EQ(texts[1].text, "Load Name L01");
  EXPECT_EQ(texts[1].x, 50);
  EXPECT_EQ(texts[1].y, 79);
  EXPECT_EQ(texts[1].font, (Font{"Verdana", 12, 400}));
  for (std::size_t i = 0; i < 9; ++i) {
    EXPECT_EQ(texts[2 + 2 * i].text, titles[i]);
    EXPECT_EQ(texts[2 + 2 * i].x, columns[i]);
    EXPECT_EQ(texts[2 + 2 * i].y, 91);
    EXPECT_EQ(texts[3 + 2 * i].text, values[i]);
    EXPECT_EQ(texts[3 + 2 * i].x, columns[i]);
    EXPECT_EQ(texts[3 + 2 * i].y, 103);
  }
  EXPECT_EQ(texts[20].text, "Load Name L02");
  EXPECT_EQ(texts[20].y, 79 + 48);
  EXPECT_EQ(job.nextLoad, nullptr);
}

TEST_F(LoadListPage, ColumnsAndPitchScaleWithTheWholeNumberScale) {
  addLoads(1);
  LoadListPrintJob job{database.loadAt(0)};
  renderLoadListPage(surface, 7, job, database);
  const DrawOp* name = surface.findText("Load Name L01");
  // 70 + 140 + 84 + 105 + 70; the pitch is the heading's height in the 84-unit font.
  EXPECT_EQ(name->y, 70 + 140 + 84 + 105 + 84 + 70);
  EXPECT_EQ(surface.findText("Bullet Weight")->x, 70 + 280 + 490);
  EXPECT_EQ(surface.findText("Group")->x, 350 + 7 * (70 + 80 + 55 + 55 + 70 + 50 + 50 + 60));
  EXPECT_EQ(surface.findText("Group")->y, name->y + 84);
  EXPECT_EQ(surface.findText("C01")->y, name->y + 2 * 84);
}

TEST_F(LoadListPage, AValueWiderThanItsColumnNeverRunsIntoTheNext) {
  LoadRecord load = makeLoad(".300 Winchester Magnum", 180, "Nosler", "AccuBond Long Range", "L");
  database.addLoadCopy(load);
  LoadListPrintJob job{database.loadAt(0)};
  renderLoadListPage(surface, 1, job, database);
  // Caliber and bullet type columns are 70 and 55 units wide, 3 of them kept free.
  for (const auto& [start, width] : {std::pair{".300", 67}, std::pair{"Accu", 52}}) {
    const DrawOp* value = nullptr;
    for (const DrawOp& op : surface.ops)
      if (op.kind == DrawOp::Kind::Text && op.text.rfind(start, 0) == 0) value = &op;
    ASSERT_NE(value, nullptr) << start;
    EXPECT_LE(static_cast<int>(value->text.size()) * value->font.cellHeight / 2, width) << start;
    EXPECT_EQ(value->text.substr(value->text.size() - 3), "...") << start;
  }
}

TEST_F(LoadListPage, AFullPageHoldsFourteenAndHandsOnTheFifteenth) {
  addLoads(15);
  LoadListPrintJob job{database.loadAt(0)};
  renderLoadListPage(surface, 1, job, database);
  const std::vector<std::string> first = loadNames();
  ASSERT_EQ(first.size(), 14u);
  EXPECT_EQ(first.front(), "Load Name L01");
  EXPECT_EQ(first.back(), "Load Name L14");
  EXPECT_EQ(job.nextLoad, database.loadAt(14));

  surface.ops.clear();
  renderLoadListPage(surface, 1, job, database);
  EXPECT_EQ(loadNames(), std::vector<std::string>{"Load Name L15"});
  EXPECT_EQ(surface.texts().front().text, kHeading);
  EXPECT_EQ(job.nextLoad, nullptr);
}

TEST_F(LoadListPage, ANameIsPrintedAsStoredEvenWithAPercentSign) {
  LoadRecord load = makeLoad("6.5 CM", 140, "Berger", "VLD", "100% case fill");
  database.addLoadCopy(load);
  LoadListPrintJob job{database.loadAt(0)};
  renderLoadListPage(surface, 1, job, database);
  EXPECT_NE(surface.findText("Load Name 100% case fill"), nullptr);
}

}  // namespace
}  // namespace deadhold::testing
