#pragma once

#include <QDialog>

class QPushButton;

namespace deadhold {
class CaliberDialog;
}

namespace deadhold::ui {

// "Enter Caliber": the bullet diameter the Taylor KO table asks first, on its model. "&Accept"
// (the default button) follows the model's enabling; "&Cancel", Escape and the close box cancel.
class CaliberWindow : public QDialog {
  Q_OBJECT

 public:
  explicit CaliberWindow(CaliberDialog& dialog, QWidget* parent = nullptr);

 private:
  CaliberDialog& dialog_;
  QPushButton* accept_;
};

}  // namespace deadhold::ui
