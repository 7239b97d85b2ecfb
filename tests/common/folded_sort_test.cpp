#include "common/folded_sort.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "common/folded_compare.h"

namespace deadhold {
namespace {

using Item = std::pair<std::string, int>;  // key, original position

void sortItems(std::vector<Item>& items) {
  sortByFoldedKey(items, [](const Item& item, std::string& keys) { keys += item.first; });
}

// Keys of up to 20 bytes from a few letters of both cases, '_', digits, space, NUL and bytes
// above 127, so that they often share their first sixteen bytes and differ only beyond them.
TEST(SortByFoldedKey, OrdersAsTheFoldedComparisonAndKeepsEqualKeysInOrder) {
  std::minstd_rand random(7);
  const std::string alphabet("aAbB_ 9\0\xe9\xff", 10);
  for (int round = 0; round < 200; ++round) {
    std::vector<Item> items;
    const std::string shared(random() % 20, 'x');
    for (int i = 0; i < 60; ++i) {
      std::string key = random() % 2 ? shared : std::string();
      for (std::size_t length = random() % 6; length > 0; --length)
        key += alphabet[random() % alphabet.size()];
      items.emplace_back(key, i);
    }
    std::vector<Item> expected = items;
    std::stable_sort(expected.begin(), expected.end(), [](const Item& a, const Item& b) {
      return compareFolded(a.first, b.first) < 0;
    });
    sortItems(items);
    ASSERT_EQ(items, expected) << "round " << round;
  }
}

TEST(SortByFoldedKey, WorkedOrder) {
  std::vector<Item> items{{"b", 0}, {"A", 1}, {"a", 2}, {"_", 3}, {"", 4}, {"B ", 5}, {"a\xff", 6}};
  sortItems(items);
  std::vector<int> order;
  for (const Item& item : items) order.push_back(item.second);
  EXPECT_EQ(order, (std::vector<int>{4, 3, 1, 2, 6, 0, 5}));
}

}  // namespace
}  // namespace deadhold
