#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "loads/load_record.h"

namespace deadhold {

// The load editor's edit fields in screen order. The "Moly" and "Crimp" boxes stand between
// the ballistic coefficient and the powder maker.
enum class EditLoadField : std::size_t {
  loadName,
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
inline constexpr std::size_t kEditLoadFieldCount = 24;
inline constexpr std::size_t kEditLoadFlagsFollow = 6;  // the boxes come before this field
inline constexpr int kNoTypingLimit = 0;

const char* editLoadFieldLabel(EditLoadField field);
// The most characters the user may type into the field, or kNoTypingLimit.
int editLoadFieldLimit(EditLoadField field);
// Whether the field takes its text as a number (and shows its value in a format).
bool editLoadFieldIsNumber(EditLoadField field);

// What the field shows for a record: the text as stored, or the number in its format.
std::string editLoadFieldText(const LoadRecord& load, EditLoadField field);
// Puts what the field holds into the record: a text as the field's text (cut to the record's
// width, one byte kept for its NUL), a number as its leading decimal stored in single precision.
void takeEditLoadField(LoadRecord& load, EditLoadField field, std::string_view text);

}  // namespace deadhold
