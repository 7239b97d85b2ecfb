#pragma once

#include <array>
#include <string>

#include "loadinfo/component_chooser.h"
#include "loadinfo/edit_load_fields.h"
#include "loads/load_record.h"
#include "platform/dialogs.h"

namespace deadhold {

// The load editor ("Edit Load Data") on its own working copy of a load. Every change of a
// field goes into the copy at once; filling the fields never does, so a load accepted untouched
// comes back byte for byte. The caller takes the copy only when the editor closed accepted.
class EditLoadDialog {
 public:
  static constexpr const char* kTitle = "Edit Load Data";
  static constexpr const char* kGroupCaption = "Load Information";
  static constexpr const char* kMolyCaption = "Moly";
  static constexpr const char* kCrimpCaption = "Crimp";
  static constexpr const char* kBulletDBaseCaption = "&Bullet DBase";
  static constexpr const char* kPowderDBaseCaption = "&Powder DBase";
  static constexpr const char* kPrimerDBaseCaption = "P&rimer DBase";
  static constexpr const char* kResetFieldsCaption = "Reset &Fields";
  static constexpr const char* kAcceptCaption = "&Accept";
  static constexpr const char* kQuitCaption = "&Quit";

  EditLoadDialog(const LoadRecord& load, Dialogs& dialogs, ComponentChooser& chooser);

  const LoadRecord& record() const { return record_; }
  const std::string& fieldText(EditLoadField field) const {
    return fieldTexts_[static_cast<std::size_t>(field)];
  }
  bool molyChecked() const { return molyChecked_; }
  bool crimpChecked() const { return crimpChecked_; }

  // The user changed a field's text (every keystroke) or clicked a box.
  void typeText(EditLoadField field, std::string text);
  void setMoly(bool checked);
  void setCrimp(bool checked);

  // "Reset Fields": after a Yes the copy becomes a blank load, shots and notes included.
  void resetFields();
  // "Accept": refused without a caliber; out-of-range ballistics values are only a warning.
  void accept();
  // "Quit", Escape, Enter in a field or the close box: the copy is not wanted.
  void quit() { closed_ = true; }

  // The three catalogue buttons: a chosen entry's texts go into their fields and then into
  // the copy as if typed; nothing chosen changes nothing.
  void bulletDBase();
  void powderDBase();
  void primerDBase();

  bool closed() const { return closed_; }
  bool accepted() const { return accepted_; }

 private:
  void fillFields();

  LoadRecord record_;
  Dialogs& dialogs_;
  ComponentChooser& chooser_;
  std::array<std::string, kEditLoadFieldCount> fieldTexts_;
  bool molyChecked_ = false;
  bool crimpChecked_ = false;
  bool closed_ = false;
  bool accepted_ = false;
};

}  // namespace deadhold
