#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace deadhold {

// A NUL-terminated single-byte text inside a fixed width of a binary record. The bytes are the
// record's own: nothing here ever reads or writes outside them.
template <std::size_t Width>
struct FixedText {
  static_assert(Width > 0);
  static constexpr std::size_t kWidth = Width;

  std::array<char, Width> bytes;

  // The text up to its NUL; a field without one (only files from elsewhere) fills its width.
  std::string_view view() const {
    const auto end = std::find(bytes.begin(), bytes.end(), '\0');
    return std::string_view(bytes.data(), static_cast<std::size_t>(end - bytes.begin()));
  }
  std::string str() const { return std::string(view()); }
  bool empty() const { return bytes[0] == '\0'; }

  // Copies at most Width - 1 characters and a NUL (the text ends at its own first NUL too).
  // The bytes behind the new NUL keep what they held, as an edit of the field always did.
  void assign(std::string_view text) {
    text = text.substr(0, std::min(text.find('\0'), Width - 1));
    std::copy(text.begin(), text.end(), bytes.begin());
    bytes[text.size()] = '\0';
  }
};

}  // namespace deadhold
