#pragma once

#include <cstdint>
#include <cstring>
#include <random>
#include <string>
#include <string_view>

#include "loads/load_record.h"
#include "loads/load_rules.h"

namespace deadhold::testing {

// A blank load with the four fields of the sort key set.
inline LoadRecord makeLoad(std::string_view caliber, float weight, std::string_view maker = "Sierra",
                           std::string_view type = "Gameking", std::string_view name = "") {
  LoadRecord load = blankLoadRecord();
  load.caliber.assign(caliber);
  load.bulletWeight = weight;
  load.bulletMfg.assign(maker);
  load.bulletType.assign(type);
  load.loadName.assign(name);
  return load;
}

// 1100 arbitrary bytes: texts without NULs, NaN patterns, reserved areas all set.
inline LoadRecordBytes noiseBytes(unsigned seed) {
  std::mt19937 random(seed);
  LoadRecordBytes bytes;
  for (auto& byte : bytes) byte = static_cast<std::byte>(random() & 0xFF);
  return bytes;
}

inline std::string asString(const LoadRecordBytes& bytes) {
  return std::string(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

// A load book's 12-byte header, as the file holds it.
inline std::string bookHeader(std::uint16_t format, std::uint16_t reserved, std::int32_t count,
                              std::int32_t current) {
  std::string bytes(12, '\0');
  std::memcpy(bytes.data(), &format, 2);
  std::memcpy(bytes.data() + 2, &reserved, 2);
  std::memcpy(bytes.data() + 4, &count, 4);
  std::memcpy(bytes.data() + 8, &current, 4);
  return bytes;
}

// A record full of noise, its caliber chosen for the order and its link empty.
inline std::string noisyRecord(unsigned seed, std::string_view caliber) {
  LoadRecord load = loadRecordFromBytes(noiseBytes(seed));
  load.caliber.assign(caliber);
  load.next = 0;
  return asString(loadRecordBytes(load));
}

}  // namespace deadhold::testing
