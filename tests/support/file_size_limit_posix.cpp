#include "support/file_size_limit.h"

#include <stdexcept>

namespace deadhold::testing {

FileSizeLimit::FileSizeLimit(std::size_t bytes) {
  if (::getrlimit(RLIMIT_FSIZE, &previous_) != 0) throw std::runtime_error("getrlimit failed");
  previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
  rlimit limited = previous_;
  limited.rlim_cur = static_cast<rlim_t>(bytes);
  if (::setrlimit(RLIMIT_FSIZE, &limited) != 0) throw std::runtime_error("setrlimit failed");
}

FileSizeLimit::~FileSizeLimit() {
  ::setrlimit(RLIMIT_FSIZE, &previous_);
  std::signal(SIGXFSZ, previousHandler_);
}

}  // namespace deadhold::testing
