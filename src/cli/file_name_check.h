#pragma once

#include <CLI/CLI.hpp>
#include <string>

namespace deadhold::cli {

// Refuses an empty value (an unset shell variable, say), saying what is needed instead.
inline CLI::Validator nonEmptyValue(const std::string& needed) {
  return CLI::Validator(
      [needed](const std::string& text) -> std::string {
        return text.empty() ? needed + " is needed, not an empty text" : "";
      },
      "");
}

// An empty file name would otherwise write the report to standard output as if no file were
// named, or be taken for the current folder.
inline const CLI::Validator kFileNameCheck = nonEmptyValue("a file name");

}  // namespace deadhold::cli
