#pragma once

#include <array>
#include <cstddef>
#include <string>

#include "loads/load_record.h"

namespace deadhold {

// The read-only fields of the Load Information page, in the order the user reads them.
enum class LoadInfoField : std::size_t {
  bulletMfg,
  bulletType,
  caliber,
  bulletWeight,
  ballisticCoeff,
  powderMfg,
  powderType,
  powderWeight,
  powderLot,
  primerMfg,
  primerType,
  primerSize,
  primerLot,
  caseMfg,
  caseWeight,
  caseLength,
  timesReloaded,
  cartridgeOal,
  comparatorOal,
  avVelocity,
  avGroup,
  mfgDate,
  cartridgeLot,
};
inline constexpr std::size_t kLoadInfoFieldCount = 23;

inline constexpr std::array<const char*, kLoadInfoFieldCount> kLoadInfoFieldLabels = {
    "Bullet Mfg",
    "Bullet Type",
    "Bullet Caliber",
    "Bullet Weight",
    "Ballistic Coeff.",
    "Powder Mfg",
    "Powder Type",
    "Powder Weight [grns]",
    "Powder Lot #",
    "Primer Mfg",
    "Primer Type",
    "Primer Size",
    "Primer Lot #",
    "Case Mfg",
    "Case Weight [grns]",
    "Case Length [in]",
    "# Times Reloaded",
    "Cartridge OAL",
    "Comparator OAL",
    "Av. Velocity",
    "Av. Group",
    "Mfg Date",
    "Lot #"};

inline const char* loadInfoFieldLabel(LoadInfoField field) {
  return kLoadInfoFieldLabels[static_cast<std::size_t>(field)];
}

// The field's text for a load, in the field's own format.
std::string loadInfoFieldText(const LoadRecord& load, LoadInfoField field);

// The shot list's columns: caption and width in pixels.
struct ShotListColumn {
  const char* caption;
  int width;
};
inline constexpr std::array<ShotListColumn, 5> kShotListColumns = {
    {{"Shot", 34}, {"Velocity", 54}, {"X Dist", 54}, {"Y Dist", 54}, {"Radius Dist", 66}}};

using ShotListRow = std::array<std::string, kShotListColumns.size()>;

// One row for a placed shot, numbered 1 to 10.
ShotListRow shotListRow(const ShotRecord& shot, int number);

// The velocity statistics of the shot string in two short lines under the small target
// ("Shots 5  Mean 2802.2", "ES 15.0  SD 5.89"); both empty while no shot has a velocity.
std::array<std::string, 2> statisticsLines(const LoadRecord& load);

}  // namespace deadhold
