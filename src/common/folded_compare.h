#pragma once

#include <string_view>

namespace deadhold {

// Byte-wise comparison with A-Z folded to a-z and bytes compared as unsigned values; a text
// that is a prefix of another sorts first. Folding to lower case puts '_' before the letters.
// Used for the load book order, the caliber groups and the catalogue order.
int compareFolded(std::string_view a, std::string_view b);

// A-Z as a-z; every other byte as it is.
inline unsigned char foldedByte(unsigned char byte) {
  return static_cast<unsigned char>(byte + (static_cast<unsigned>(byte - 'A') < 26 ? 32 : 0));
}

inline bool equalsFolded(std::string_view a, std::string_view b) { return compareFolded(a, b) == 0; }

}  // namespace deadhold
