#pragma once

#include <QDialog>
#include <array>

#include "loadinfo/edit_load_fields.h"

class QCheckBox;
class QGridLayout;
class QPushButton;

namespace deadhold {
class EditLoadDialog;
}

namespace deadhold::ui {

class LimitedLineEdit;

// The load editor's window: shows the editor's fields and hands it every change and click.
// Enter in a field closes it without accepting, as do "&Quit", Escape and the close box.
class EditLoadWindow : public QDialog {
  Q_OBJECT

 public:
  EditLoadWindow(EditLoadDialog& editor, QWidget* parent = nullptr);

  LimitedLineEdit* field(EditLoadField which) const {
    return fields_[static_cast<std::size_t>(which)];
  }

 public slots:
  void reject() override;

 private:
  void createFields(QGridLayout& grid);
  QPushButton* addButton(const char* caption, const char* name, void (EditLoadDialog::*action)());
  // Runs an action of the editor, shows its state and closes when the editor did.
  void act(void (EditLoadDialog::*action)());
  void showState();

  EditLoadDialog& editor_;
  std::array<LimitedLineEdit*, kEditLoadFieldCount> fields_{};
  QCheckBox* moly_;
  QCheckBox* crimp_;
  std::vector<QPushButton*> buttons_;
};

}  // namespace deadhold::ui
