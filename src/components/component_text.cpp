#include "components/component_text.h"

#include <algorithm>

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

std::optional<std::string> readComponentFile(const std::filesystem::path& file,
                                             std::string* whyNot) {
  FileContents contents = readWholeFile(file, kCatalogueSizeLimit);
  if (contents.outcome != FileContents::Outcome::Read) {
    if (whyNot) *whyNot = contents.reason;
    return std::nullopt;
  }
  contents.bytes.push_back('\0');
  return std::move(contents.bytes);
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
