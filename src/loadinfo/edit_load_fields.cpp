#include "loadinfo/edit_load_fields.h"

#include <variant>

#include "common/cformat.h"
#include "common/numbers.h"

namespace deadhold {
namespace {

using TextMember = std::variant<FixedText<16> LoadRecord::*, FixedText<20> LoadRecord::*,
                                FixedText<256> LoadRecord::*>;

struct FieldInfo {
  const char* label;
  int limit;
  const char* numberFormat;  // null for a text field
  float LoadRecord::*number;
  TextMember text;
};

FieldInfo textField(const char* label, int limit, TextMember member) {
  return {label, limit, nullptr, nullptr, member};
}

FieldInfo numberField(const char* label, int limit, const char* format, float LoadRecord::*member) {
  return {label, limit, format, member, TextMember{}};
}

const std::array<FieldInfo, kEditLoadFieldCount>& fieldTable() {
  static const std::array<FieldInfo, kEditLoadFieldCount> table = {
      textField("Load Name", 60, &LoadRecord::loadName),
      textField("Bullet Mfg", 16, &LoadRecord::bulletMfg),
      textField("Bullet Type", 16, &LoadRecord::bulletType),
      textField("Bullet Caliber", 16, &LoadRecord::caliber),
      numberField("Bullet Weight", 16, "%.0f", &LoadRecord::bulletWeight),
      numberField("Ballistic Coeff.", 16, "%.3f", &LoadRecord::ballisticCoeff),
      textField("Powder Mfg", 16, &LoadRecord::powderMfg),
      textField("Powder Type", 16, &LoadRecord::powderType),
      numberField("Powder Weight [grns]", 16, "%.1f", &LoadRecord::powderWeight),
      textField("Powder Lot #", 16, &LoadRecord::powderLot),
      textField("Primer Mfg", 16, &LoadRecord::primerMfg),
      textField("Primer Type", 16, &LoadRecord::primerType),
      textField("Primer Size", 16, &LoadRecord::primerSize),
      textField("Primer Lot #", 15, &LoadRecord::primerLot),
      textField("Case Mfg", 16, &LoadRecord::caseMfg),
      numberField("Case Weight [grns]", 16, "%0.2f", &LoadRecord::caseWeight),
      numberField("Case Length [in]", 16, "%.03f", &LoadRecord::caseLength),
      numberField("# Times Reloaded", 16, "%.0f", &LoadRecord::timesReloaded),
      numberField("Cartridge OAL", 16, "%.03f", &LoadRecord::cartridgeOal),
      numberField("Comparator OAL", kNoTypingLimit, "%.03f", &LoadRecord::comparatorOal),
      numberField("Av. Velocity", 16, "%.0f", &LoadRecord::avVelocity),
      numberField("Av. Group", 16, "%.03f", &LoadRecord::avGroup),
      textField("Mfg Date", 15, &LoadRecord::mfgDate),
      textField("Lot #", 5, &LoadRecord::cartridgeLot),
  };
  return table;
}

const FieldInfo& info(EditLoadField field) {
  return fieldTable().at(static_cast<std::size_t>(field));
}

}  // namespace

const char* editLoadFieldLabel(EditLoadField field) {
  return info(field).label;
}

int editLoadFieldLimit(EditLoadField field) {
  return info(field).limit;
}

bool editLoadFieldIsNumber(EditLoadField field) {
  return info(field).numberFormat != nullptr;
}

std::string editLoadFieldText(const LoadRecord& load, EditLoadField field) {
  const FieldInfo& entry = info(field);
  if (entry.numberFormat)
    return cformat(entry.numberFormat, static_cast<double>(load.*entry.number));
  return std::visit([&load](auto member) { return (load.*member).str(); }, entry.text);
}

void takeEditLoadField(LoadRecord& load, EditLoadField field, std::string_view text) {
  const FieldInfo& entry = info(field);
  if (entry.numberFormat) {
    load.*entry.number = parseStoredDecimal(text);
    return;
  }
  std::visit([&load, text](auto member) { (load.*member).assign(text); }, entry.text);
}

}  // namespace deadhold
