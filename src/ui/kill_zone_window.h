#pragma once

#include <QDialog>

class QPushButton;

namespace deadhold {
class KillZoneDialog;
}

namespace deadhold::ui {

// "Deadhold Range": the kill-zone height for "Calculate DHR", on its model. "OK" (the default
// button) follows the model's enabling; Escape and the close box cancel.
class KillZoneWindow : public QDialog {
  Q_OBJECT

 public:
  explicit KillZoneWindow(KillZoneDialog& dialog, QWidget* parent = nullptr);

 private:
  KillZoneDialog& dialog_;
  QPushButton* ok_;
};

}  // namespace deadhold::ui
