#pragma once

#include <gtest/gtest.h>

#include <filesystem>

#include "support/temp_folder.h"

namespace deadhold::testing {

// A test with a folder of its own, and a count of what a write left behind in it.
class ScratchFolderTest : public ::testing::Test {
 protected:
  int entries() const {
    return static_cast<int>(std::distance(std::filesystem::directory_iterator(folder.path()), {}));
  }

  TempFolder folder;
};

}  // namespace deadhold::testing
