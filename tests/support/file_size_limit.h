#pragma once

#include <sys/resource.h>

#include <csignal>
#include <cstddef>

namespace deadhold::testing {

// Caps the size of any file this process writes, so that a write fails part-way with EFBIG
// (rather than the signal) even for root, whom permission bits do not stop. Restored on exit.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(std::size_t bytes);
  ~FileSizeLimit();
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit previous_{};
  void (*previousHandler_)(int) = nullptr;
};

}  // namespace deadhold::testing
