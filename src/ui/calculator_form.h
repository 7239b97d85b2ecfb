#pragma once

#include <QString>
#include <functional>
#include <vector>

class QDialog;
class QLineEdit;
class QPushButton;

namespace deadhold::ui {

// The face every calculator shares: labelled input fields, read-only result fields, and a row
// with the compute button (the default button, disabled until the inputs allow it) and a button
// that closes the dialog.
class CalculatorForm {
 public:
  CalculatorForm(QDialog& dialog, const std::vector<const char*>& inputLabels,
                 const std::vector<const char*>& resultLabels, const char* computeCaption,
                 const char* returnCaption);

  // `changed(field, text)` runs for every change of an input field's text.
  void onInputChanged(const std::function<void(std::size_t, const QString&)>& changed);
  void onCompute(const std::function<void()>& compute);

  void setComputeEnabled(bool enabled);
  // Writes a result; the program's own writes are never reported as changes.
  void showResult(std::size_t result, const std::string& text);

 private:
  QDialog& dialog_;
  std::vector<QLineEdit*> inputs_;
  std::vector<QLineEdit*> results_;
  QPushButton* computeButton_;
};

}  // namespace deadhold::ui
