#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "common/safe_file_writer.h"
#include "engine/trajectory.h"

namespace deadhold {

// The text report of "&Save to TXT" (BALLISTIC.TXT): the load block with the page's inputs and
// label, then the ballistic table and the moving-target lead table, each for the rows 0, 25,
// ... 800 yards of the range table (33 lines whatever the list's increment). Lines end in "\n".
std::string ballisticsReport(const BallisticInputs& inputs, const std::string& label,
                             const TrajectoryTable& table);

// Writes the report over `file` safely: on failure the file keeps what it held and the reason
// comes back.
[[nodiscard]] std::optional<FileError> writeBallisticsReport(const std::filesystem::path& file,
                                                             const BallisticInputs& inputs,
                                                             const std::string& label,
                                                             const TrajectoryTable& table);

}  // namespace deadhold
