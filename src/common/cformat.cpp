#include "common/cformat.h"

#include <cstdarg>
#include <cstdio>

namespace deadhold {

std::string cformat(const char* format, ...) {
  char small[256];
  va_list args;
  va_start(args, format);
  va_list again;
  va_copy(again, args);
  const int length = std::vsnprintf(small, sizeof small, format, args);
  va_end(args);
  std::string result;
  if (length < 0) {
    va_end(again);
    return result;
  }
  if (static_cast<size_t>(length) < sizeof small) {
    result.assign(small, static_cast<size_t>(length));
  } else {
    result.resize(static_cast<size_t>(length) + 1);
    std::vsnprintf(result.data(), result.size(), format, again);
    result.resize(static_cast<size_t>(length));
  }
  va_end(again);
  return result;
}

}  // namespace deadhold
