#pragma once

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

}  // namespace deadhold::testing
