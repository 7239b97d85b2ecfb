#pragma once

#include <filesystem>
#include <string>

namespace deadhold {

// A path as UTF-8 text, for messages. On Windows the name is UTF-16 and string() would squeeze
// it into the ANSI code page, losing (or failing on) what that cannot hold.
inline std::string pathText(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

// The path that UTF-8 text names.
inline std::filesystem::path pathFromText(const std::string& text) {
  return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

}  // namespace deadhold
