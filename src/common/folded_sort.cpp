#include "common/folded_sort.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#include "common/folded_compare.h"

namespace deadhold {
namespace {

// Eight bytes as one number that orders as they do.
std::uint64_t bigEndianWord(const unsigned char* bytes) {
  std::uint64_t word = 0;
  for (int i = 0; i < 8; ++i) word = word << 8 | bytes[i];
  return word;
}

}  // namespace

void foldToLower(std::string& text, std::size_t from) {
  auto* const bytes = reinterpret_cast<unsigned char*>(text.data());
  for (std::size_t i = from; i < text.size(); ++i) bytes[i] = foldedByte(bytes[i]);
}

FoldedKeys::FoldedKeys(std::size_t count) {
  keys_.reserve(count);
}

void FoldedKeys::endKey() {
  const auto start = static_cast<std::uint32_t>(keys_.empty() ? 0 : keys_.back().end);
  const auto end = static_cast<std::uint32_t>(text_.size());
  foldToLower(text_, start);
  unsigned char head[16] = {};  // zeros past the end
  std::memcpy(head, text_.data() + start, std::min<std::size_t>(end - start, sizeof head));
  keys_.push_back({bigEndianWord(head), bigEndianWord(head + 8), start, end,
                   static_cast<std::uint32_t>(keys_.size())});
}

bool FoldedKeys::less(const Key& a, const Key& b) const {
  if (a.head != b.head) return a.head < b.head;
  if (a.headRest != b.headRest) return a.headRest < b.headRest;
  // Unsigned bytes, a prefix first: string_view compares as memcmp does.
  const std::string_view text(text_);
  return text.substr(a.start, a.end - a.start) < text.substr(b.start, b.end - b.start);
}

std::vector<std::uint32_t> FoldedKeys::sortedOrder() {
  std::stable_sort(keys_.begin(), keys_.end(),
                   [this](const Key& a, const Key& b) { return less(a, b); });
  std::vector<std::uint32_t> order;
  order.reserve(keys_.size());
  for (const Key& key : keys_) order.push_back(key.position);
  return order;
}

}  // namespace deadhold
