#include "loadinfo/edit_load_dialog.h"

#include "loads/load_rules.h"

namespace deadhold {
namespace {

constexpr const char* kResetQuestion = "Are you sure you want to clear all data fields?";
constexpr const char* kResetTitle = "Question";

}  // namespace

EditLoadDialog::EditLoadDialog(const LoadRecord& load, Dialogs& dialogs, ComponentChooser& chooser)
    : record_(load), dialogs_(dialogs), chooser_(chooser) {
  fillFields();
}

void EditLoadDialog::fillFields() {
  for (std::size_t i = 0; i < kEditLoadFieldCount; ++i)
    fieldTexts_[i] = editLoadFieldText(record_, static_cast<EditLoadField>(i));
  molyChecked_ = flagChecksBox(record_.moly);
  crimpChecked_ = flagChecksBox(record_.crimp);
}

void EditLoadDialog::typeText(EditLoadField field, std::string text) {
  takeEditLoadField(record_, field, text);
  fieldTexts_[static_cast<std::size_t>(field)] = std::move(text);
}

void EditLoadDialog::setMoly(bool checked) {
  molyChecked_ = checked;
  record_.moly = flagValue(checked);
}

void EditLoadDialog::setCrimp(bool checked) {
  crimpChecked_ = checked;
  record_.crimp = flagValue(checked);
}

void EditLoadDialog::resetFields() {
  if (dialogs_.messageBox(kResetQuestion, kResetTitle, Buttons::YesNo, Icon::Question) !=
      Answer::Yes)
    return;
  record_ = blankLoadRecord();
  fillFields();
}

void EditLoadDialog::accept() {
  if (!checkCaliberPresent(record_, dialogs_)) return;
  checkBallisticsValidity(record_, dialogs_);
  accepted_ = true;
  closed_ = true;
}

// A chosen entry's texts are shown exactly as the catalogue holds them and taken into the copy
// as if typed, in the order the program always applied them.
void EditLoadDialog::bulletDBase() {
  const BulletEntry bullet = chooser_.chooseBullet();
  if (bullet.manufacturer.empty()) return;
  typeText(EditLoadField::ballisticCoeff, bullet.ballisticCoeff);
  typeText(EditLoadField::caliber, bullet.caliber);
  typeText(EditLoadField::bulletMfg, bullet.manufacturer);
  typeText(EditLoadField::bulletType, bullet.type);
  typeText(EditLoadField::bulletWeight, bullet.weight);
}

void EditLoadDialog::powderDBase() {
  const PowderEntry powder = chooser_.choosePowder();
  if (powder.manufacturer.empty()) return;
  typeText(EditLoadField::powderLot, powder.lotNumber);
  typeText(EditLoadField::powderMfg, powder.manufacturer);
  typeText(EditLoadField::powderType, powder.type);
}

void EditLoadDialog::primerDBase() {
  const PrimerEntry primer = chooser_.choosePrimer();
  if (primer.manufacturer.empty()) return;
  // The catalogue's type is the primer's size; the editor's "Primer Type" stays as it was.
  typeText(EditLoadField::primerMfg, primer.manufacturer);
  typeText(EditLoadField::primerSize, primer.type);
  typeText(EditLoadField::primerLot, primer.lotNumber);
}

}  // namespace deadhold
