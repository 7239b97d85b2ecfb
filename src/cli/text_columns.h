#pragma once

#include <string>
#include <vector>

namespace deadhold::cli {

using TextRow = std::vector<std::string>;

// Lays rows of cells out as left-aligned columns for a terminal: each column as wide as its
// widest cell, two blanks between columns, no trailing blanks, one line per row. Cells are UTF-8.
// A row at a time, so that a long list need not be held: every row is measured, then each row's
// line is written.
class ColumnAligner {
 public:
  void measure(const TextRow& row);
  void appendLine(std::string& out, const TextRow& row) const;

 private:
  std::vector<std::size_t> widths_;
};

// All rows at once.
std::string alignColumns(const std::vector<TextRow>& rows);

// RFC 4180: fields quoted where needed, the record ended by CR LF.
void appendCsvRecord(std::string& out, const TextRow& row);
std::string csvRecord(const TextRow& row);

}  // namespace deadhold::cli
