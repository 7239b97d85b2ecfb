#pragma once

#include <QDialog>

namespace deadhold::ui {

// "About Deadhold": the icon, the version line and OK.
class AboutDialog : public QDialog {
  Q_OBJECT

 public:
  explicit AboutDialog(QWidget* parent = nullptr);
};

}  // namespace deadhold::ui
