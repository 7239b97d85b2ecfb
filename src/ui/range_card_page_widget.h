#pragma once

#include <array>
#include <functional>

#include "cell_table_model.h"
#include "computed_page_widget.h"
#include "rangecard/range_card_cells.h"
#include "rangecard/range_card_texts.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QTreeView;

namespace deadhold {
class Dialogs;
class RangeCardPage;
}  // namespace deadhold

namespace deadhold::ui {

class DialogUnits;

// The Range Card tab: two rows of inputs, the load's name, the graph with the buttons and notes
// beside it, the table, and where the coefficients come from. Every action goes to the page and
// the page's state is shown again after it; Enter anywhere but on a button calculates.
class RangeCardPageWidget : public ComputedPageWidget {
  Q_OBJECT

 public:
  RangeCardPageWidget(RangeCardPage& page, Dialogs& dialogs, const DialogUnits& units,
                      QWidget* parent = nullptr);

  void showState() override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool computationPending() const override;
  void runPendingComputation() override;
  void enterPressed() override;

 private:
  void createInputs(const DialogUnits& units);
  void createResults(const DialogUnits& units);
  QComboBox* addChoice(const char* caption, const QStringList& entries, const QRect& labelArea,
                       const QRect& area, const std::function<void(int)>& choose);
  void calculate();
  void print();
  void getLoadData();

  RangeCardPage& page_;
  Dialogs& dialogs_;
  std::array<QLineEdit*, kRangeCardFieldCount> fields_{};
  QComboBox* dragFunction_ = nullptr;
  QComboBox* airEntry_ = nullptr;
  QComboBox* clickUnit_ = nullptr;
  QLabel* airValueLabel_ = nullptr;
  QLabel* loadLabel_ = nullptr;
  QLabel* notes_ = nullptr;
  CellTableModel<kRangeCardColumnCount>* listModel_ = nullptr;
  QTreeView* list_ = nullptr;
  QRect graphArea_;
};

}  // namespace deadhold::ui
