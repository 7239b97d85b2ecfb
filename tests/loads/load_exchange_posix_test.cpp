#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "loads/load_exchange.h"
#include "loads/sample_loads.h"
#include "support/file_size_limit.h"
#include "support/scratch_folder_test.h"

namespace deadhold {
namespace {

using testing::makeLoad;
using testing::readBytes;
using testing::writeBytes;

class LoadExchangePosix : public testing::ScratchFolderTest {
 protected:
  std::filesystem::path bld() const { return folder / "LOADDATA.BLD"; }
};

TEST_F(LoadExchangePosix, AFailedExportKeepsTheOldFile) {
  writeBytes(bld(), "old");
  std::optional<ExportFailure> failure;
  {
    const testing::FileSizeLimit limit(100);
    failure = exportLoad(bld(), makeLoad("A", 1));
  }
  ASSERT_TRUE(failure);
  EXPECT_EQ(failure->message.text, "Could not open file for writing");
  EXPECT_EQ(failure->message.title, "FILE ERROR");
  EXPECT_EQ(failure->error.message, "Could not write " + bld().string() + ": File too large");
  EXPECT_EQ(readBytes(bld()), "old");
}

}  // namespace
}  // namespace deadhold
