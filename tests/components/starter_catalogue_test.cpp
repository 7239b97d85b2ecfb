#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <string>

#include "components/component_list.h"

namespace deadhold {
namespace {

const std::filesystem::path kResources = DEADHOLD_RESOURCES_DIR;

// Lines that are neither comments nor blank: each must become exactly one entry.
std::size_t entryLines(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::size_t count = 0;
  for (std::string line; std::getline(in, line);)
    if (!line.empty() && line[0] != ';') ++count;
  return count;
}

TEST(StarterCatalogues, EveryFileStartsWithCommentsAndEndsWithALineBreak) {
  for (const char* name : {kBulletCatalogue, kPowderCatalogue, kPrimerCatalogue}) {
    SCOPED_TRACE(name);
    std::ifstream in(kResources / name, std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    ASSERT_FALSE(text.empty());
    EXPECT_EQ(text.front(), ';');
    EXPECT_EQ(text.back(), '\n');
    EXPECT_EQ(text.find('\0'), std::string::npos);
    EXPECT_EQ(text.find('\r'), std::string::npos);
  }
}

TEST(StarterCatalogues, BulletsLoadCompletelyAndAligned) {
  const auto list = readBulletList(kResources / kBulletCatalogue);
  ASSERT_TRUE(list.has_value());
  EXPECT_GE(list->size(), 30u);
  EXPECT_EQ(list->size(), entryLines(kResources / kBulletCatalogue));
  const std::regex caliber(R"(\.(2[2-9]\d|3[0-7]\d))");
  const std::regex weight(R"([1-9]\d{1,2})");
  const std::regex threeDecimals(R"(0\.\d{3})");
  for (const BulletEntry& entry : *list) {
    SCOPED_TRACE(entry.manufacturer + " " + entry.caliber + " " + entry.weight + " " + entry.type);
    EXPECT_TRUE(std::regex_match(entry.caliber, caliber));
    EXPECT_TRUE(std::regex_match(entry.weight, weight));
    EXPECT_TRUE(std::regex_match(entry.ballisticCoeff, threeDecimals));
    EXPECT_TRUE(std::regex_match(entry.sectionalDensity, threeDecimals));
    EXPECT_LE(entry.type.size(), 16u);
    // The sectional density is the bullet's own, not a neighbour's value shifted in.
    const double d = std::stod(entry.caliber);
    EXPECT_NEAR(std::stod(entry.weight) / 7000 / (d * d), std::stod(entry.sectionalDensity),
                0.0005);
  }
}

TEST(StarterCatalogues, PowdersLoadCompletely) {
  const auto list = readPowderList(kResources / kPowderCatalogue);
  ASSERT_TRUE(list.has_value());
  EXPECT_GE(list->size(), 30u);
  EXPECT_EQ(list->size(), entryLines(kResources / kPowderCatalogue));
  for (const PowderEntry& entry : *list) {
    SCOPED_TRACE(entry.manufacturer + " " + entry.type);
    EXPECT_EQ(entry.lotNumber, "-");
    EXPECT_LE(entry.type.size(), 16u);
  }
}

TEST(StarterCatalogues, PrimersLoadCompletelyWithoutLotNumbers) {
  const auto list = readPrimerList(kResources / kPrimerCatalogue);
  ASSERT_TRUE(list.has_value());
  EXPECT_GE(list->size(), 20u);
  EXPECT_EQ(list->size(), entryLines(kResources / kPrimerCatalogue));
  for (const PrimerEntry& entry : *list) {
    SCOPED_TRACE(entry.manufacturer + " " + entry.type);
    EXPECT_TRUE(entry.lotNumber.empty());
    EXPECT_LE(entry.manufacturer.size(), 16u);
  }
}

}  // namespace
}  // namespace deadhold
