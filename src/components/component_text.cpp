#include "components/component_text.h"

#include <algorithm>
#include <fstream>
#include <iterator>

namespace deadhold {
namespace {

bool isSeparator(char c) {
  return c == '\t' || c == '\r' || c == '\n';
}
bool isLineEnd(char c) {
  return c == '\r' || c == '\n';
}
bool endsField(char c) {
  return isSeparator(c) || c == ';' || c == '\0';
}

}  // namespace

std::optional<std::string> readComponentFile(const std::filesystem::path& file) {
  // A folder opens for reading here but yields no bytes: it is no catalogue either.
  std::error_code error;
  if (std::filesystem::is_directory(file, error)) return std::nullopt;
  std::ifstream in(file, std::ios::binary);
  if (!in) return std::nullopt;
  std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  text.push_back('\0');
  return text;
}

std::size_t nextToken(const std::string& text, std::size_t position, std::string& field) {
  // A text without its zero byte ends at its size, which reads as the zero byte.
  const auto at = [&text](std::size_t i) { return i < text.size() ? text[i] : '\0'; };
  for (;;) {
    const char c = at(position);
    if (isSeparator(c)) {
      ++position;
    } else if (c == ';') {
      while (at(position) != '\0' && !isLineEnd(at(position))) ++position;
    } else {
      break;
    }
  }
  if (at(position) == '\0') return position;

  const std::size_t start = position;
  while (!endsField(at(position))) ++position;
  field.assign(text, start, std::min(position - start, kComponentFieldLimit));
  return position;
}

}  // namespace deadhold
