#include "components/component_sort.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace deadhold {
namespace {

std::vector<std::string> weightsOf(const BulletList& list) {
  std::vector<std::string> weights;
  for (const BulletEntry& entry : list) weights.push_back(entry.weight);
  return weights;
}

BulletEntry bullet(const std::string& maker, const std::string& weight,
                   const std::string& type = "SP") {
  return {maker, ".308", weight, type, "0.400", "0.250"};
}

TEST(ComponentSortKeys, ExactTexts) {
  EXPECT_EQ(bulletSortKey({"Sierra", ".224", "55", "SBT", "0.257", "0.157"}),
            "Sierra .224 055 SBT 0.257 0.157");
  EXPECT_EQ(bulletSortKey({"X", ".308", " 130.7gr", "T", "B", "S"}), "X .308 130 T B S");
  EXPECT_EQ(bulletSortKey({"X", ".308", "heavy", "T", "B", "S"}), "X .308 000 T B S");
  EXPECT_EQ(bulletSortKey({"X", ".308", "-5", "T", "B", "S"}), "X .308 -05 T B S");
  EXPECT_EQ(powderSortKey({"Hodgdon", "H4350", "-"}), "Hodgdon H4350 -");
  EXPECT_EQ(primerSortKey({"CCI", "200 Mag", "L1"}), "CCI 200 Mags");
}

TEST(ComponentSortKeys, BuiltInFullForMaximalFields) {
  const std::string field(63, 'a');
  const std::string key = bulletSortKey({field, field, "150", field, field, field});
  EXPECT_EQ(key.size(), 63u * 5 + 3 + 5);
  EXPECT_EQ(key.substr(key.size() - 64), " " + field);
}

TEST(SortBullets, WeightsCompareAsPaddedText) {
  BulletList list{bullet("A", "150"), bullet("A", "55"), bullet("A", "999"), bullet("A", "1000")};
  sortBullets(list);
  EXPECT_EQ(weightsOf(list), (std::vector<std::string>{"55", "1000", "150", "999"}));
}

TEST(SortBullets, FoldedToLowerCaseAndStable) {
  BulletList list{bullet("b", "1", "first"), bullet("A_", "1"), bullet("B", "1", "FIRST"),
                  bullet("Aa", "1"), bullet("a", "1")};
  sortBullets(list);
  std::vector<std::string> order;
  for (const BulletEntry& entry : list) order.push_back(entry.manufacturer + "/" + entry.type);
  // "_" sorts before every letter once A-Z are folded down; the two b entries differ only in
  // case and keep their file order.
  EXPECT_EQ(order, (std::vector<std::string>{"a/SP", "A_/SP", "Aa/SP", "b/first", "B/FIRST"}));
}

TEST(SortPowders, ByMakerTypeAndLot) {
  PowderList list{{"IMR", "4350", "2"},
                  {"Hodgdon", "Varget", "-"},
                  {"IMR", "4350", "10"},
                  {"hodgdon", "H4350", "-"}};
  sortPowders(list);
  EXPECT_EQ(list, (PowderList{{"hodgdon", "H4350", "-"},
                              {"Hodgdon", "Varget", "-"},
                              {"IMR", "4350", "10"},
                              {"IMR", "4350", "2"}}));
}

TEST(SortPrimers, MagnumBeforePlainAndLotIgnored) {
  PrimerList list{{"CCI", "200", "B"}, {"CCI", "200 Mag", ""}, {"CCI", "200", "A"}};
  sortPrimers(list);
  EXPECT_EQ(list, (PrimerList{{"CCI", "200 Mag", ""}, {"CCI", "200", "B"}, {"CCI", "200", "A"}}));
}

}  // namespace
}  // namespace deadhold
