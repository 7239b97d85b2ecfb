#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace deadhold {

// The sort keys of a list, one per item in the list's order, compared as compareFolded compares
// texts. Each key is built and folded once, so that a sort does no work per comparison beyond
// comparing bytes.
class FoldedKeys {
 public:
  explicit FoldedKeys(std::size_t count);

  // Append the next item's key to text(), then end it.
  std::string& text() { return text_; }
  void endKey();

  // The items' positions in ascending order of their keys, equal keys in list order; empty when
  // the list is in that order already (as a book read back from its file nearly always is).
  std::vector<std::uint32_t> sortedOrder();

 private:
  struct Key {
    // The first sixteen bytes, so that most comparisons end here.
    std::uint64_t head;
    std::uint64_t headRest;
    std::uint32_t start;
    std::uint32_t end;
    std::uint32_t position;  // of the item in the list
  };
  bool less(const Key& a, const Key& b) const;

  std::string text_;
  std::vector<Key> keys_;
};

// Orders `items` stably by the key `appendKey(item, text)` appends for each, with A-Z folded to
// a-z and bytes compared as unsigned values, a text that is a prefix of another first.
template <class Item, class AppendKey>
void sortByFoldedKey(std::vector<Item>& items, AppendKey appendKey) {
  FoldedKeys keys(items.size());
  for (const Item& item : items) {
    appendKey(item, keys.text());
    keys.endKey();
  }
  const std::vector<std::uint32_t> order = keys.sortedOrder();
  if (order.empty()) return;
  std::vector<Item> sorted;
  sorted.reserve(items.size());
  for (const std::uint32_t position : order) sorted.push_back(std::move(items[position]));
  items = std::move(sorted);
}

}  // namespace deadhold
