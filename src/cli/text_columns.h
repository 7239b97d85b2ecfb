#pragma once

#include <string>
#include <vector>

namespace deadhold::cli {

using TextRow = std::vector<std::string>;

// Lays rows of cells out as left-aligned columns for a terminal: each column as wide as its
// widest cell, two blanks between columns, no trailing blanks, one line per row. Cells are UTF-8.
std::string alignColumns(const std::vector<TextRow>& rows);

// RFC 4180: fields quoted where needed, the record ended by CR LF.
std::string csvRecord(const TextRow& row);

}  // namespace deadhold::cli
