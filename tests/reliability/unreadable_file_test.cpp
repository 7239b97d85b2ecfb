// Files the program may not read, for root too: each reader says so in its own way and nothing
// is taken from them.
#include <gtest/gtest.h>

#include "components/component_list.h"
#include "loads/load_exchange.h"
#include "support/permission_bits_bind.h"
#include "support/temp_folder.h"

namespace deadhold {
namespace {

class UnreadableFile : public ::testing::Test {
 protected:
  void makeUnreadable(const std::filesystem::path& file, std::string_view bytes) {
    testing::writeBytes(file, bytes);
    std::filesystem::permissions(file, std::filesystem::perms::owner_write);
  }

  testing::TempFolder folder;
};

TEST_F(UnreadableFile, ALoadFileIsRefusedAsOneThatCannotBeOpened) {
  makeUnreadable(folder / "LOADDATA.BLD", std::string(1100, 'x'));
  const testing::PermissionBitsBind asAnyUser;
  const LoadFileRead read = readLoadFile(folder / "LOADDATA.BLD");
  EXPECT_FALSE(read.load);
  ASSERT_TRUE(read.refusal);
  EXPECT_EQ(read.refusal->text, "Could not open file");
  EXPECT_EQ(read.refusal->title, "FILE ERROR");
}

TEST_F(UnreadableFile, ACatalogueGivesNoListAsAMissingOneDoes) {
  makeUnreadable(folder / "BULLETS.TXT", "Sierra\t.224\t52\tHPBT\t0.225\t0.148\n");
  makeUnreadable(folder / "POWDERS.TXT", "IMR\t4350\tL1\n");
  makeUnreadable(folder / "PRIMERS.TXT", "CCI\t200\n");
  const testing::PermissionBitsBind asAnyUser;
  EXPECT_FALSE(readBulletList(folder / "BULLETS.TXT"));
  EXPECT_FALSE(readPowderList(folder / "POWDERS.TXT"));
  EXPECT_FALSE(readPrimerList(folder / "PRIMERS.TXT"));
}

}  // namespace
}  // namespace deadhold
