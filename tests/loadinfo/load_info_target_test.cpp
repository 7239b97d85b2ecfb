#include <gtest/gtest.h>

#include "loadinfo/load_info_page.h"
#include "loads/load_rules.h"
#include "support/fake_dialogs.h"
#include "support/recording_surface.h"
#include "support/temp_folder.h"

namespace deadhold {
namespace {

using testing::drawnBox;
using testing::DrawOp;
using testing::RecordingSurface;

class LoadInfoTargetTest : public ::testing::Test {
 protected:
  testing::TempFolder folder;
  LoadDatabase database{folder / "RELOADER.DAT"};
  testing::FakeDialogs dialogs;
  std::filesystem::path startDirectory = folder.path();
  LoadInfoPage page{database, dialogs, startDirectory};
};

TEST_F(LoadInfoTargetTest, SmallTargetShowsEveryPlacedHoleAtAFifth) {
  LoadRecord load = blankLoadRecord();
  load.caliber.assign(".308");
  load.shots[1] = {2900.0f, 1.0f, 1.0f, 1.414f, 1};
  load.shots[4] = {2950.0f, -2.5f, 0.0f, 2.5f, 1};
  load.shots[6] = {2950.0f, 2.0f, 2.0f, 2.828f, 0};
  database.setCurrentLoad(&database.addLoadCopy(load));
  RecordingSurface surface;
  page.paint(surface);

  ASSERT_EQ(surface.ops.size(), 3u);
  EXPECT_EQ(surface.ops[0].kind, DrawOp::Kind::Image);
  EXPECT_EQ(surface.ops[0].source, (Rect{0, 0, 600, 600}));
  EXPECT_EQ(drawnBox(surface.ops[0]), (Rect{320, 250, 440, 370}));
  // Around (320 + 60 + 20 x, 250 + 60 - 20 y), radius 2.4, none of them red.
  EXPECT_EQ(drawnBox(surface.ops[1]), (Rect{397, 287, 402, 292}));
  EXPECT_EQ(drawnBox(surface.ops[2]), (Rect{327, 307, 332, 312}));
  EXPECT_EQ(surface.ops[1].fill, kWhite);
  EXPECT_EQ(surface.ops[2].fill, kWhite);
}

TEST_F(LoadInfoTargetTest, WithoutACurrentLoadOnlyThePicture) {
  RecordingSurface surface;
  page.paint(surface);
  ASSERT_EQ(surface.ops.size(), 1u);
  EXPECT_EQ(surface.ops[0].kind, DrawOp::Kind::Image);
}

}  // namespace
}  // namespace deadhold
