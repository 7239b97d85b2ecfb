#pragma once

#include <QDialog>
#include <array>

#include "calculators/unit_converter_dialog.h"

namespace deadhold::ui {

class LimitedLineEdit;

// "English/Metric Unit Converter" as a modal window: every keystroke in a field converts into
// all the other fields at once, while the field typed in keeps the user's text.
class UnitConverterWindow : public QDialog {
  Q_OBJECT

 public:
  explicit UnitConverterWindow(QWidget* parent = nullptr);

 private:
  LimitedLineEdit* makeField(int field);
  void fieldEdited(int field, const QString& text);
  // Shows the model's texts in every field but the one typed in; these writes are not edits.
  void showTexts();

  UnitConverterDialog converter_;
  std::array<LimitedLineEdit*, UnitConverterDialog::kFieldCount> fields_{};
};

}  // namespace deadhold::ui
