#include "common/folded_compare.h"

#include <algorithm>

namespace deadhold {
int compareFolded(std::string_view a, std::string_view b) {
  const size_t common = std::min(a.size(), b.size());
  for (size_t i = 0; i < common; ++i) {
    const unsigned char x = foldedByte(static_cast<unsigned char>(a[i]));
    const unsigned char y = foldedByte(static_cast<unsigned char>(b[i]));
    if (x != y) return x < y ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

}  // namespace deadhold
