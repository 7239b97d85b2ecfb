#include "text_columns.h"

#include <algorithm>

namespace deadhold::cli {

std::string alignColumns(const std::vector<TextRow>& rows) {
  std::vector<size_t> widths;
  for (const TextRow& row : rows) {
    if (row.size() > widths.size()) widths.resize(row.size(), 0);
    for (size_t i = 0; i < row.size(); ++i) widths[i] = std::max(widths[i], row[i].size());
  }
  std::string text;
  for (const TextRow& row : rows) {
    std::string line;
    for (size_t i = 0; i < row.size(); ++i) {
      if (i > 0) line += "  ";
      line += row[i];
      line.append(widths[i] - row[i].size(), ' ');
    }
    line.erase(line.find_last_not_of(' ') + 1);
    text += line + "\n";
  }
  return text;
}

}  // namespace deadhold::cli
