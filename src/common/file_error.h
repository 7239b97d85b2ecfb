#pragma once

#include <string>

namespace deadhold {

// Why a file could not be written or read, as one line that names the file and the reason,
// ready for a "FILE ERROR" box or standard error.
struct FileError {
  std::string message;
};

}  // namespace deadhold
