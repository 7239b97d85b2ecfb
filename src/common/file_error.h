#pragma once

#include <string>
#include <string_view>

namespace deadhold {

// Why a file could not be written or read, as one line that names the file and the reason,
// ready for a "FILE ERROR" box or standard error.
struct FileError {
  std::string message;
};

// The program's one wording of a failed save: its own message, then the system's reason.
inline std::string withReason(std::string_view message, const FileError& error) {
  return std::string(message) + "\n\n" + error.message;
}

}  // namespace deadhold
