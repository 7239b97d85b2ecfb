#include "text_columns.h"

#include <algorithm>

namespace deadhold::cli {
namespace {

// Characters, not bytes: a UTF-8 text's continuation bytes take no column of their own.
std::size_t columnsOf(const std::string& text) {
  return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  }));
}

}  // namespace

std::string alignColumns(const std::vector<TextRow>& rows) {
  std::vector<size_t> widths;
  for (const TextRow& row : rows) {
    if (row.size() > widths.size()) widths.resize(row.size(), 0);
    for (size_t i = 0; i < row.size(); ++i) widths[i] = std::max(widths[i], columnsOf(row[i]));
  }
  std::string text;
  for (const TextRow& row : rows) {
    std::string line;
    for (size_t i = 0; i < row.size(); ++i) {
      if (i > 0) line += "  ";
      line += row[i];
      line.append(widths[i] - columnsOf(row[i]), ' ');
    }
    line.erase(line.find_last_not_of(' ') + 1);
    text += line + "\n";
  }
  return text;
}

namespace {

std::string csvField(const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (const char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
  return quoted + "\"";
}

}  // namespace

std::string csvRecord(const TextRow& row) {
  std::string record;
  for (std::size_t i = 0; i < row.size(); ++i) {
    if (i > 0) record += ',';
    record += csvField(row[i]);
  }
  record += "\r\n";
  return record;
}

}  // namespace deadhold::cli
