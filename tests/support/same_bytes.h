#pragma once

#include "loads/load_record.h"

namespace deadhold {

// Compares two records' full images, so NaNs and the bytes behind the NULs count.
inline bool sameBytes(const LoadRecord& a, const LoadRecord& b) {
  return loadRecordBytes(a) == loadRecordBytes(b);
}

}  // namespace deadhold
