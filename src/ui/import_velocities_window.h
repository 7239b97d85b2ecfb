#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class QSpinBox;
class QTreeWidget;

namespace deadhold {
class ImportVelocitiesDialog;
}

namespace deadhold::ui {

// "Import Velocities": the file's series with their statistics, the first shot to take when a
// series holds more than ten, and what goes where. "&Import" accepts the choice.
class ImportVelocitiesWindow : public QDialog {
  Q_OBJECT

 public:
  ImportVelocitiesWindow(ImportVelocitiesDialog& dialog, QWidget* parent = nullptr);

  QTreeWidget* seriesList() const { return series_; }
  QSpinBox* firstShot() const { return firstShot_; }
  QPushButton* importButton() const { return import_; }

 private:
  void showState();

  ImportVelocitiesDialog& dialog_;
  QTreeWidget* series_;
  QSpinBox* firstShot_;
  QLabel* range_;
  QPushButton* import_;
};

}  // namespace deadhold::ui
