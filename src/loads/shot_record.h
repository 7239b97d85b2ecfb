#pragma once

#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace deadhold {

// One shot of a load's shot string, as 20 bytes of the load's file image.
struct ShotRecord {
  float shotVelocity;  // ft/s
  float shotX;         // inches right of the aim point
  float shotY;         // inches above the aim point
  float shotRadius;    // inches from the aim point: always the hypotenuse of X and Y
  std::int32_t shotPlaced;  // 1 once the hole is on the target
};

static_assert(std::is_trivially_copyable_v<ShotRecord> && std::is_standard_layout_v<ShotRecord>);
static_assert(sizeof(ShotRecord) == 20);
static_assert(offsetof(ShotRecord, shotVelocity) == 0);
static_assert(offsetof(ShotRecord, shotX) == 4);
static_assert(offsetof(ShotRecord, shotY) == 8);
static_assert(offsetof(ShotRecord, shotRadius) == 12);
static_assert(offsetof(ShotRecord, shotPlaced) == 16);

}  // namespace deadhold
