#pragma once

#include <QWidget>
#include <array>

#include "loadinfo/load_info_fields.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace deadhold {
class LoadInfoDialogs;
class LoadInfoPage;
}  // namespace deadhold

namespace deadhold::ui {

class DialogUnits;

// The Load Information tab: shows the page's state read-only and hands every click to it.
// The state is shown again after each action and whenever the page becomes visible.
class LoadInfoPageWidget : public QWidget {
  Q_OBJECT

 public:
  LoadInfoPageWidget(LoadInfoPage& page, LoadInfoDialogs& dialogs, const DialogUnits& units,
                     QWidget* parent = nullptr);

  // Shows what the page holds now; the program's own writes are not user edits.
  void showState();

 protected:
  void showEvent(QShowEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void createFields(const DialogUnits& units);
  void createShotList(const DialogUnits& units);
  void createButtons(const DialogUnits& units);
  void createStatistics(const DialogUnits& units);
  QPushButton* addButton(const char* caption, const QRect& geometry,
                         void (LoadInfoPageWidget::*action)());

  void openLoad();
  void newLoad();
  void editLoad();
  void largeTarget();
  void saveToText();
  void print();

  LoadInfoPage& page_;
  LoadInfoDialogs& dialogs_;
  QGroupBox* group_;
  std::array<QLineEdit*, kLoadInfoFieldCount> fields_{};
  QCheckBox* moly_;
  QCheckBox* crimp_;
  QTreeWidget* shotList_;
  QLabel* statistics_;
  std::array<QPushButton*, 4> loadButtons_{};  // Edit, Large Target, Save to TXT, Print
};

}  // namespace deadhold::ui
