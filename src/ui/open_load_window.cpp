#include "open_load_window.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "dialog_units.h"
#include "keyboard_list.h"
#include "loadinfo/open_load_dialog.h"
#include "surface/record_text.h"

namespace deadhold::ui {

OpenLoadWindow::OpenLoadWindow(OpenLoadDialog& dialog, QWidget* parent)
    : QDialog(parent),
      dialog_(dialog),
      calibers_(new QComboBox(this)),
      loads_(new KeyboardList<QTreeWidget>(this)) {
  setFont(windowFont());
  setWindowTitle(OpenLoadDialog::kTitle);

  calibers_->setObjectName("caliberChoice");
  calibers_->setMinimumContentsLength(20);
  auto* caliberLabel = new QLabel(OpenLoadDialog::kCaliberLabel, this);
  caliberLabel->setBuddy(calibers_);
  connect(calibers_, &QComboBox::activated, this, [this](int index) {
    dialog_.chooseCaliber(index);
    showState(true);
  });

  loads_->setObjectName("loadList");
  loads_->setRootIsDecorated(false);
  loads_->setUniformRowHeights(true);
  loads_->setSelectionMode(QAbstractItemView::SingleSelection);
  loads_->setSelectionBehavior(QAbstractItemView::SelectRows);
  loads_->setAllColumnsShowFocus(true);
  loads_->setSortingEnabled(false);
  loads_->header()->setSectionsMovable(false);
  loads_->header()->setSectionsClickable(false);
  loads_->header()->setStretchLastSection(false);
  loads_->setColumnCount(static_cast<int>(OpenLoadDialog::kColumns.size()));
  QStringList headings;
  int listWidth = 0;
  for (const LoadListColumn& column : OpenLoadDialog::kColumns) {
    headings << column.heading;
    listWidth += column.width;
  }
  loads_->setHeaderLabels(headings);
  for (std::size_t i = 0; i < OpenLoadDialog::kColumns.size(); ++i)
    loads_->header()->resizeSection(static_cast<int>(i), OpenLoadDialog::kColumns[i].width);
  loads_->setMinimumWidth(listWidth + loads_->frameWidth() * 2 + 20);
  connect(loads_, &QTreeWidget::itemSelectionChanged, this, &OpenLoadWindow::rowsChanged);

  auto* top = new QHBoxLayout;
  top->addWidget(caliberLabel);
  top->addWidget(calibers_);
  top->addStretch(1);

  rowButtons_ = {
      addButton(OpenLoadDialog::kSelectCaption, "selectLoad", &OpenLoadDialog::selectLoad, false),
      addButton(OpenLoadDialog::kDeleteCaption, "deleteLoad", &OpenLoadDialog::deleteLoad, true),
      addButton(OpenLoadDialog::kExportCaption, "exportLoad", &OpenLoadDialog::exportLoad, false)};
  QPushButton* import =
      addButton(OpenLoadDialog::kImportCaption, "importLoad", &OpenLoadDialog::importLoad, true);
  QPushButton* print = addButton(OpenLoadDialog::kPrintCaption, "printLoadList",
                                 &OpenLoadDialog::printLoadList, false);
  QPushButton* ladder =
      addButton(OpenLoadDialog::kLadderCaption, "ladderChart", &OpenLoadDialog::ladderChart, false);
  // Enter on the list or the caliber choice closes the browser: "&Cancel" is the button it
  // presses.
  QPushButton* cancel =
      addButton(OpenLoadDialog::kCancelCaption, "cancel", &OpenLoadDialog::cancel, false);
  cancel->setDefault(true);
  auto* buttons = new QHBoxLayout;
  for (QPushButton* button : rowButtons_) buttons->addWidget(button);
  buttons->addWidget(import);
  buttons->addStretch(1);
  buttons->addWidget(ladder);
  buttons->addWidget(print);
  buttons->addWidget(cancel);

  auto* column = new QVBoxLayout(this);
  column->addLayout(top);
  column->addWidget(loads_, 1);
  column->addLayout(buttons);
  resize(sizeHint().width(), DialogUnits(font()).y(200));
  showState(true);
}

QPushButton* OpenLoadWindow::addButton(const char* caption, const char* name,
                                       void (OpenLoadDialog::*action)(), bool refill) {
  auto* button = new QPushButton(caption, this);
  button->setObjectName(name);
  connect(button, &QPushButton::clicked, this, [this, action, refill] { act(action, refill); });
  return button;
}

void OpenLoadWindow::act(void (OpenLoadDialog::*action)(), bool refill) {
  (dialog_.*action)();
  if (dialog_.closed()) {
    done(Accepted);
    return;
  }
  showState(refill);
}

void OpenLoadWindow::rowsChanged() {
  std::vector<int> now;
  for (QTreeWidgetItem* item : loads_->selectedItems())
    now.push_back(loads_->indexOfTopLevelItem(item));
  // Each row whose highlight changed, the one losing it first: a highlight taken away by a
  // click on empty space leaves its row selected.
  for (int row : highlighted_)
    if (std::find(now.begin(), now.end(), row) == now.end()) dialog_.rowChanged(row);
  for (int row : now)
    if (std::find(highlighted_.begin(), highlighted_.end(), row) == highlighted_.end())
      dialog_.rowChanged(row);
  highlighted_ = std::move(now);
  showState(false);
}

void OpenLoadWindow::showState(bool refill) {
  if (refill) {
    const QSignalBlocker caliberBlocker(calibers_);
    calibers_->clear();
    for (const std::string& caliber : dialog_.caliberChoices())
      calibers_->addItem(fromRecordText(caliber));
    calibers_->setCurrentIndex(dialog_.chosenCaliber());

    const QSignalBlocker listBlocker(loads_);
    loads_->clear();
    for (const OpenLoadDialog::LoadRow& row : dialog_.loadRows()) {
      QStringList cells;
      for (const std::string& cell : row) cells << fromRecordText(cell);
      loads_->addTopLevelItem(new QTreeWidgetItem(cells));
    }
    highlighted_.clear();
  }
  for (QPushButton* button : rowButtons_) button->setEnabled(dialog_.rowButtonsEnabled());
}

void OpenLoadWindow::reject() {
  dialog_.cancel();
  QDialog::reject();
}

}  // namespace deadhold::ui
