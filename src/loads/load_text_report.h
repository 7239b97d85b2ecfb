#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "common/safe_file_writer.h"
#include "loads/load_record.h"

namespace deadhold {

// The Load Information page's text report (LOAD.TXT): the recipe, ten shot lines placed or not,
// and the range notes as stored, each line ended by "\n".
std::string loadTextReport(const LoadRecord& load);

// Writes the report; on failure the file keeps its old contents and the reason comes back (the
// page shows "Could not open file for writing").
[[nodiscard]] std::optional<FileError> writeLoadTextReport(const std::filesystem::path& file,
                                                           const LoadRecord& load);

}  // namespace deadhold
