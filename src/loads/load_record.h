#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <span>
#include <type_traits>

#include "loads/fixed_text.h"
#include "loads/shot_record.h"

namespace deadhold {

inline constexpr std::size_t kLoadRecordSize = 1100;
inline constexpr int kShotCount = 10;

// One hand-load. The struct is its own 1100-byte little-endian file image (RELOADER.DAT holds a
// sequence of them, a .BLD file exactly one), so it is copied to and from bytes whole. Reserved
// areas and the bytes behind each text's NUL travel with it untouched. `LoadRecord{}` is all
// zero; a new load starts from blankLoadRecord() (load_rules.h).
struct LoadRecord {
  FixedText<20> caliber;
  FixedText<20> bulletMfg;
  FixedText<20> bulletType;
  float bulletWeight;    // grains
  float ballisticCoeff;  // G1
  float moly;            // flag: 0.0 no, 1.0 yes
  float crimp;           // flag: 0.0 no, 1.0 yes
  std::array<std::uint8_t, 8> reserved76;
  FixedText<20> powderMfg;
  FixedText<20> powderType;
  float powderWeight;  // grains
  FixedText<20> powderLot;
  FixedText<16> primerLot;
  FixedText<20> caseMfg;
  float caseWeight;  // grains
  float caseLength;  // inches
  float timesReloaded;
  FixedText<16> cartridgeLot;
  FixedText<20> primerMfg;
  FixedText<20> primerType;
  FixedText<20> primerSize;
  FixedText<16> mfgDate;
  float comparatorOal;  // inches
  float cartridgeOal;   // inches
  FixedText<256> loadName;
  float avVelocity;  // ft/s
  float avGroup;     // inches
  std::array<ShotRecord, kShotCount> shots;
  std::array<std::uint8_t, 16> reserved760;
  float targetDistance;  // yards: the zero range
  float elevation;       // feet above sea level
  float temperature;     // degrees F
  FixedText<32> wind;
  FixedText<256> notes;  // may hold CR LF line breaks
  float scopeHeight;     // inches
  std::array<std::uint8_t, 16> reserved1080;
  std::uint32_t next;  // the old in-memory link; carried in files, never read
};

using LoadRecordBytes = std::array<std::byte, kLoadRecordSize>;

// Any 1100 bytes are a record: nothing is rejected for its content.
LoadRecord loadRecordFromBytes(std::span<const std::byte, kLoadRecordSize> bytes);
LoadRecordBytes loadRecordBytes(const LoadRecord& record);

static_assert(std::endian::native == std::endian::little,
              "records are little-endian images of the host layout");
static_assert(std::is_trivially_copyable_v<LoadRecord> && std::is_standard_layout_v<LoadRecord>);
static_assert(sizeof(float) == 4 && sizeof(LoadRecord) == kLoadRecordSize);
static_assert(offsetof(LoadRecord, caliber) == 0);
static_assert(offsetof(LoadRecord, bulletMfg) == 20);
static_assert(offsetof(LoadRecord, bulletType) == 40);
static_assert(offsetof(LoadRecord, bulletWeight) == 60);
static_assert(offsetof(LoadRecord, ballisticCoeff) == 64);
static_assert(offsetof(LoadRecord, moly) == 68);
static_assert(offsetof(LoadRecord, crimp) == 72);
static_assert(offsetof(LoadRecord, reserved76) == 76);
static_assert(offsetof(LoadRecord, powderMfg) == 84);
static_assert(offsetof(LoadRecord, powderType) == 104);
static_assert(offsetof(LoadRecord, powderWeight) == 124);
static_assert(offsetof(LoadRecord, powderLot) == 128);
static_assert(offsetof(LoadRecord, primerLot) == 148);
static_assert(offsetof(LoadRecord, caseMfg) == 164);
static_assert(offsetof(LoadRecord, caseWeight) == 184);
static_assert(offsetof(LoadRecord, caseLength) == 188);
static_assert(offsetof(LoadRecord, timesReloaded) == 192);
static_assert(offsetof(LoadRecord, cartridgeLot) == 196);
static_assert(offsetof(LoadRecord, primerMfg) == 212);
static_assert(offsetof(LoadRecord, primerType) == 232);
static_assert(offsetof(LoadRecord, primerSize) == 252);
static_assert(offsetof(LoadRecord, mfgDate) == 272);
static_assert(offsetof(LoadRecord, comparatorOal) == 288);
static_assert(offsetof(LoadRecord, cartridgeOal) == 292);
static_assert(offsetof(LoadRecord, loadName) == 296);
static_assert(offsetof(LoadRecord, avVelocity) == 552);
static_assert(offsetof(LoadRecord, avGroup) == 556);
static_assert(offsetof(LoadRecord, shots) == 560);
static_assert(offsetof(LoadRecord, reserved760) == 760);
static_assert(offsetof(LoadRecord, targetDistance) == 776);
static_assert(offsetof(LoadRecord, elevation) == 780);
static_assert(offsetof(LoadRecord, temperature) == 784);
static_assert(offsetof(LoadRecord, wind) == 788);
static_assert(offsetof(LoadRecord, notes) == 820);
static_assert(offsetof(LoadRecord, scopeHeight) == 1076);
static_assert(offsetof(LoadRecord, reserved1080) == 1080);
static_assert(offsetof(LoadRecord, next) == 1096);

}  // namespace deadhold
