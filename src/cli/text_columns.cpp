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

void ColumnAligner::measure(const TextRow& row) {
  if (row.size() > widths_.size()) widths_.resize(row.size(), 0);
  for (std::size_t i = 0; i < row.size(); ++i) widths_[i] = std::max(widths_[i], columnsOf(row[i]));
}

void ColumnAligner::appendLine(std::string& out, const TextRow& row) const {
  const std::size_t lineStart = out.size();
  for (std::size_t i = 0; i < row.size(); ++i) {
    if (i > 0) out += "  ";
    out += row[i];
    out.append(widths_[i] - columnsOf(row[i]), ' ');
  }
  const std::size_t lastText = out.find_last_not_of(' ');
  out.resize(lastText == std::string::npos || lastText < lineStart ? lineStart : lastText + 1);
  out += '\n';
}

std::string alignColumns(const std::vector<TextRow>& rows) {
  ColumnAligner aligner;
  for (const TextRow& row : rows) aligner.measure(row);
  std::string text;
  for (const TextRow& row : rows) aligner.appendLine(text, row);
  return text;
}

namespace {

void appendCsvField(std::string& out, const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) {
    out += text;
    return;
  }
  out += '"';
  for (const char c : text) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
}

}  // namespace

void appendCsvRecord(std::string& out, const TextRow& row) {
  for (std::size_t i = 0; i < row.size(); ++i) {
    if (i > 0) out += ',';
    appendCsvField(out, row[i]);
  }
  out += "\r\n";
}

std::string csvRecord(const TextRow& row) {
  std::string record;
  appendCsvRecord(record, row);
  return record;
}

}  // namespace deadhold::cli
