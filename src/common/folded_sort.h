#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace deadhold {

// Folds A-Z to a-z in place, from `from` on.
void foldToLower(std::string& text, std::size_t from = 0);

// The sort keys of a list, one per item in the list's order, compared as compareFolded compares
// texts. Each key is built and folded once, so that a sort does no work per comparison beyond
// comparing bytes.
class FoldedKeys {
 public:
  explicit FoldedKeys(std::size_t count);

  // Append the next item's key to text(), then end it.
  std::string& text() { return text_; }
  void endKey();

  // The items' positions in ascending order of their keys, equal keys in list order. The keys
  // are sorted in place: ask once.
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

// Whether `items` are in ascending order of their keys already; builds one key at a time.
template <class Item, class AppendKey>
bool inFoldedOrder(const std::vector<Item>& items, AppendKey appendKey) {
  std::string previous;
  std::string key;
  for (std::size_t i = 0; i < items.size(); ++i) {
    key.clear();
    appendKey(items[i], key);
    foldToLower(key);
    if (i > 0 && key < previous) return false;  // bytes compared as unsigned, as memcmp does
    std::swap(previous, key);
  }
  return true;
}

// Orders `items` stably by the key `appendKey(item, text)` appends for each, with A-Z folded to
// a-z and bytes compared as unsigned values, a text that is a prefix of another first. A list in
// order already, as a book read back from its file nearly always is, costs one pass and no copy
// of its keys.
template <class Item, class AppendKey>
void sortByFoldedKey(std::vector<Item>& items, AppendKey appendKey) {
  if (inFoldedOrder(items, appendKey)) return;
  FoldedKeys keys(items.size());
  for (const Item& item : items) {
    appendKey(item, keys.text());
    keys.endKey();
  }
  const std::vector<std::uint32_t> order = keys.sortedOrder();
  std::vector<Item> sorted;
  sorted.reserve(items.size());
  for (const std::uint32_t position : order) sorted.push_back(std::move(items[position]));
  items = std::move(sorted);
}

}  // namespace deadhold
