#pragma once

#include <CLI/CLI.hpp>
#include <string>

namespace deadhold::cli {

// An empty file name (an unset shell variable, say) would otherwise write the report to
// standard output as if no file were named, or be taken for the current folder.
inline const CLI::Validator kFileNameCheck(
    [](const std::string& text) -> std::string {
      return text.empty() ? "a file name is needed, not an empty text" : "";
    },
    "");

}  // namespace deadhold::cli
