#include "loads/load_record.h"

#include <cstring>

namespace deadhold {

LoadRecord loadRecordFromBytes(std::span<const std::byte, kLoadRecordSize> bytes) {
  LoadRecord record;
  std::memcpy(&record, bytes.data(), kLoadRecordSize);
  return record;
}

LoadRecordBytes loadRecordBytes(const LoadRecord& record) {
  LoadRecordBytes bytes;
  std::memcpy(bytes.data(), &record, kLoadRecordSize);
  return bytes;
}

}  // namespace deadhold
