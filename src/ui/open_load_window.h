#pragma once

#include <QDialog>

class QComboBox;
class QPushButton;
class QTreeWidget;

namespace deadhold {
class OpenLoadDialog;
}

namespace deadhold::ui {

// The Open Load browser's window: the caliber choice, the load list and the six buttons, all
// handed to the dialog's model. Enter on the list or the caliber choice closes it, as do
// "&Cancel", Escape and the close box.
class OpenLoadWindow : public QDialog {
  Q_OBJECT

 public:
  // The model has been opened already and is still open.
  OpenLoadWindow(OpenLoadDialog& dialog, QWidget* parent = nullptr);

  QComboBox* caliberChoice() const { return calibers_; }
  QTreeWidget* loadList() const { return loads_; }

 public slots:
  void reject() override;

 private:
  QPushButton* addButton(const char* caption, const char* name, void (OpenLoadDialog::*action)(),
                         bool refill);
  void act(void (OpenLoadDialog::*action)(), bool refill);
  void rowsChanged();
  // Shows the model's state; the lists are filled again only when `refill`.
  void showState(bool refill);

  OpenLoadDialog& dialog_;
  QComboBox* calibers_;
  QTreeWidget* loads_;
  std::vector<QPushButton*> rowButtons_;  // Select, Delete, Export
  std::vector<int> highlighted_;
};

}  // namespace deadhold::ui
