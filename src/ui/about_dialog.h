#pragma once

#include <QDialog>

namespace deadhold::ui {

// "About Deadhold": the icon, the version line, the folder of the user's files and OK.
class AboutDialog : public QDialog {
  Q_OBJECT

 public:
  explicit AboutDialog(const QString& filesFolder, QWidget* parent = nullptr);
};

}  // namespace deadhold::ui
