#pragma once

#include <QDialog>

class QComboBox;
class QItemSelection;
class QPushButton;
class QTableView;

namespace deadhold {
class OpenLoadDialog;
}

namespace deadhold::ui {

class OpenLoadModel;

// The Open Load browser's window: the caliber choice, the load list and the buttons, all handed
// to the dialog's model. Enter on the list or the caliber choice closes it, as do "&Cancel",
// Escape and the close box.
class OpenLoadWindow : public QDialog {
  Q_OBJECT

 public:
  // The model has been opened already and is still open.
  OpenLoadWindow(OpenLoadDialog& dialog, QWidget* parent = nullptr);
  ~OpenLoadWindow() override;

  QComboBox* caliberChoice() const { return calibers_; }
  QTableView* loadList() const { return loads_; }

 public slots:
  void reject() override;

 private:
  QPushButton* addButton(const char* caption, const char* name, void (OpenLoadDialog::*action)());
  void act(void (OpenLoadDialog::*action)());
  void rowsChanged(const QItemSelection& selected, const QItemSelection& deselected);
  void showLists();
  void showCaliberChoices();
  void showButtons();

  OpenLoadDialog& dialog_;
  QComboBox* calibers_;
  OpenLoadModel* model_;
  QTableView* loads_;
  std::vector<QPushButton*> rowButtons_;  // Select, Delete, Export
};

}  // namespace deadhold::ui
