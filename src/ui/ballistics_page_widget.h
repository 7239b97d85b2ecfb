#pragma once

#include <array>

#include "computed_page_widget.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QTreeView;

namespace deadhold {
class BallisticsPage;
class BallisticsPageDialogs;
}  // namespace deadhold

namespace deadhold::ui {

class DialogUnits;
class RangeListModel;
class LimitedLineEdit;

// The Ballistics Calculator tab: the trajectory graph on top, the name, the increments, the
// seven inputs, the range list and the buttons below it. Every action goes to the page, and
// the page's state is shown again after it; Enter anywhere but on a button recomputes.
class BallisticsPageWidget : public ComputedPageWidget {
  Q_OBJECT

 public:
  BallisticsPageWidget(BallisticsPage& page, BallisticsPageDialogs& dialogs,
                       const DialogUnits& units, QWidget* parent = nullptr);

  void showState() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  bool computationPending() const override;
  void runPendingComputation() override;
  void enterPressed() override;

 private:
  void createInputs(const DialogUnits& units);
  void createList(const DialogUnits& units);
  void createButtons(const DialogUnits& units);
  void fitListColumns();
  QPushButton* addButton(const char* caption, const QRect& geometry,
                         void (BallisticsPageWidget::*action)());

  void reCompute();
  void calculateDhr();
  void taylorKo();
  void print();
  void saveToText();
  void getLoadData();

  BallisticsPage& page_;
  BallisticsPageDialogs& dialogs_;
  std::array<QLineEdit*, 8> fields_{};
  LimitedLineEdit* name_ = nullptr;
  QComboBox* increments_ = nullptr;
  QCheckBox* autoUpdate_ = nullptr;
  RangeListModel* listModel_ = nullptr;
  QTreeView* list_ = nullptr;
  // "&Taylor KO", "&Save to TXT", "&Print", "Calculate DHR"
  std::array<QPushButton*, 4> resultButtons_{};
};

}  // namespace deadhold::ui
