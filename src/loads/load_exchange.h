#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "common/file_error.h"
#include "loads/load_database.h"
#include "loads/load_record.h"
#include "platform/dialogs.h"

namespace deadhold {

// A message box as the Open Load dialog shows it (always with an OK button).
struct LoadFileMessage {
  std::string text;
  std::string title;
  Icon icon = Icon::None;
};

// Writes one load as a .BLD file: its 1100 raw bytes and nothing else. On failure the old file
// stays as it was, and the dialog's message comes back with the reason beside it.
struct ExportFailure {
  LoadFileMessage message;  // "Could not open file for writing"
  FileError error;
};
[[nodiscard]] std::optional<ExportFailure> exportLoad(const std::filesystem::path& file,
                                                      const LoadRecord& load);

// A .BLD file is recognised by its size alone: exactly 1100 bytes, whatever they hold.
struct LoadFileRead {
  std::optional<LoadRecord> load;
  std::optional<LoadFileMessage> refusal;  // "Could not open file" or the "unrecognizable" warning
};
LoadFileRead readLoadFile(const std::filesystem::path& file);

// Import: the file's load is appended as a copy and the list re-sorted (the copy does not
// become current), the database is saved, then blank calibers are repaired. The dialog shows
// the refusal, or the save error, then the repair message when calibers were repaired.
struct ImportOutcome {
  LoadRecord* imported = nullptr;  // null when the file was refused
  std::optional<LoadFileMessage> refusal;
  std::optional<FileError> saveError;
  int repairedCalibers = 0;
};
ImportOutcome importLoad(LoadDatabase& database, const std::filesystem::path& file);

}  // namespace deadhold
