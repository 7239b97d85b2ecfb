#include "loads/load_record.h"

#include <gtest/gtest.h>

#include <cstring>

#include "loads/sample_loads.h"
#include "support/same_bytes.h"

namespace deadhold {
namespace {

using testing::noiseBytes;

template <typename T>
void put(LoadRecordBytes& bytes, std::size_t offset, T value) {
  std::memcpy(bytes.data() + offset, &value, sizeof value);
}

TEST(LoadRecordLayout, FieldsSitAtTheirFileOffsets) {
  LoadRecordBytes bytes{};
  std::memcpy(bytes.data() + 0, ".270 Win", 9);
  std::memcpy(bytes.data() + 84, "IMR", 4);
  std::memcpy(bytes.data() + 296, "Deer load", 10);
  std::memcpy(bytes.data() + 788, "calm", 5);
  std::memcpy(bytes.data() + 820, "good", 5);
  put(bytes, 60, 130.0f);
  put(bytes, 124, 56.5f);
  put(bytes, 552, 3016.0f);
  put(bytes, 560 + 2 * 20 + 4, -1.25f);  // shot 3, X
  put(bytes, 560 + 9 * 20 + 16, std::int32_t{1});  // shot 10, placed
  put(bytes, 776, 250.0f);
  put(bytes, 1076, 1.5f);
  put(bytes, 1096, std::uint32_t{0xDEADBEEF});

  const LoadRecord load = loadRecordFromBytes(bytes);
  EXPECT_EQ(load.caliber.view(), ".270 Win");
  EXPECT_EQ(load.powderMfg.view(), "IMR");
  EXPECT_EQ(load.loadName.view(), "Deer load");
  EXPECT_EQ(load.wind.view(), "calm");
  EXPECT_EQ(load.notes.view(), "good");
  EXPECT_EQ(load.bulletWeight, 130.0f);
  EXPECT_EQ(load.powderWeight, 56.5f);
  EXPECT_EQ(load.avVelocity, 3016.0f);
  EXPECT_EQ(load.shots[2].shotX, -1.25f);
  EXPECT_EQ(load.shots[9].shotPlaced, 1);
  EXPECT_EQ(load.targetDistance, 250.0f);
  EXPECT_EQ(load.scopeHeight, 1.5f);
  EXPECT_EQ(load.next, 0xDEADBEEFu);
}

TEST(LoadRecordLayout, AnyBytesSurviveARoundTrip) {
  for (unsigned seed = 1; seed <= 20; ++seed) {
    const LoadRecordBytes bytes = noiseBytes(seed);
    const LoadRecord load = loadRecordFromBytes(bytes);
    const LoadRecord copy = load;
    EXPECT_EQ(loadRecordBytes(copy), bytes) << "seed " << seed;
    EXPECT_TRUE(sameBytes(copy, load));
  }
}

TEST(LoadRecordLayout, SameBytesSeesReservedAreas) {
  LoadRecord a = loadRecordFromBytes(noiseBytes(3));
  LoadRecord b = a;
  b.reserved760[15] ^= 1;
  EXPECT_FALSE(sameBytes(a, b));
}

TEST(FixedText, ReadsUpToTheNulOrTheWholeWidth) {
  LoadRecord load = loadRecordFromBytes(noiseBytes(7));
  std::memset(load.caliber.bytes.data(), 'A', 20);
  EXPECT_EQ(load.caliber.view(), std::string(20, 'A'));
  load.caliber.bytes[5] = '\0';
  EXPECT_EQ(load.caliber.str(), "AAAAA");
  load.caliber.bytes[0] = '\0';
  EXPECT_TRUE(load.caliber.empty());
  EXPECT_EQ(load.caliber.view(), "");
}

TEST(FixedText, WritingKeepsTheBytesBehindTheNul) {
  const LoadRecordBytes before = noiseBytes(11);
  LoadRecord load = loadRecordFromBytes(before);
  load.primerLot.assign("L-7");
  const LoadRecordBytes after = loadRecordBytes(load);
  EXPECT_EQ(load.primerLot.view(), "L-7");
  EXPECT_EQ(std::memcmp(after.data() + 148, "L-7\0", 4), 0);
  for (std::size_t i = 0; i < kLoadRecordSize; ++i) {
    if (i < 148 || i >= 152) {
      EXPECT_EQ(after[i], before[i]) << "byte " << i;
    }
  }
}

TEST(FixedText, WritingCutsToTheWidthLessOne) {
  LoadRecord load = loadRecordFromBytes(noiseBytes(5));
  load.primerLot.assign("0123456789ABCDEFGHIJ");  // 20 characters into 16 bytes
  EXPECT_EQ(load.primerLot.view(), "0123456789ABCDE");
  EXPECT_EQ(load.primerLot.bytes[15], '\0');
  EXPECT_EQ(load.primerLot.view().size(), 15u);
  load.primerLot.assign(std::string_view("ab\0cd", 5));  // a text ends at its own NUL
  EXPECT_EQ(load.primerLot.view(), "ab");
  load.primerLot.assign("");
  EXPECT_TRUE(load.primerLot.empty());
}

}  // namespace
}  // namespace deadhold
