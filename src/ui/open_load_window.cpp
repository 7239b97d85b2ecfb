#include "open_load_window.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableView>
#include <QVBoxLayout>

#include "dialog_units.h"
#include "keyboard_list.h"
#include "loadinfo/open_load_dialog.h"
#include "open_load_model.h"
#include "surface/record_text.h"

namespace deadhold::ui {
namespace {

// A table rather than a tree: it lays out a hundred thousand rows of one height as quickly as
// ten, where a tree walks them all. Home and End go to the first and last row, as in a list.
class LoadTable : public KeyboardList<QTableView> {
 public:
  using KeyboardList<QTableView>::KeyboardList;

 protected:
  QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override {
    if (action == MoveHome || action == MoveEnd) modifiers |= Qt::ControlModifier;
    return KeyboardList<QTableView>::moveCursor(action, modifiers);
  }
};

}  // namespace

OpenLoadWindow::OpenLoadWindow(OpenLoadDialog& dialog, QWidget* parent)
    : QDialog(parent),
      dialog_(dialog),
      calibers_(new QComboBox(this)),
      model_(new OpenLoadModel(dialog, this)),
      loads_(new LoadTable(this)) {
  setFont(windowFont());
  setWindowTitle(OpenLoadDialog::kTitle);

  calibers_->setObjectName("caliberChoice");
  calibers_->setMinimumContentsLength(20);
  auto* caliberLabel = new QLabel(OpenLoadDialog::kCaliberLabel, this);
  caliberLabel->setBuddy(calibers_);
  connect(calibers_, &QComboBox::activated, this, [this](int index) {
    dialog_.chooseCaliber(index);
    showButtons();
  });

  loads_->setObjectName("loadList");
  loads_->setSelectionMode(QAbstractItemView::SingleSelection);
  loads_->setSelectionBehavior(QAbstractItemView::SelectRows);
  loads_->setSortingEnabled(false);
  loads_->setShowGrid(false);
  loads_->setWordWrap(false);
  loads_->setCornerButtonEnabled(false);
  // Rows of one line each, as a report list draws them.
  QHeaderView* rows = loads_->verticalHeader();
  rows->hide();
  rows->setSectionResizeMode(QHeaderView::Fixed);
  rows->setMinimumSectionSize(0);
  rows->setDefaultSectionSize(loads_->fontMetrics().height() + 4);
  QHeaderView* headings = loads_->horizontalHeader();
  headings->setSectionsMovable(false);
  headings->setSectionsClickable(false);
  headings->setHighlightSections(false);
  headings->setStretchLastSection(false);
  headings->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  // The rows set up first: each change of their layout after this walks every row.
  loads_->setModel(model_);
  int listWidth = 0;
  for (std::size_t i = 0; i < OpenLoadDialog::kColumns.size(); ++i) {
    headings->resizeSection(static_cast<int>(i), OpenLoadDialog::kColumns[i].width);
    listWidth += OpenLoadDialog::kColumns[i].width;
  }
  loads_->setMinimumWidth(listWidth + loads_->frameWidth() * 2 + 20);
  connect(loads_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          &OpenLoadWindow::rowsChanged);

  auto* top = new QHBoxLayout;
  top->addWidget(caliberLabel);
  top->addWidget(calibers_);
  top->addStretch(1);

  rowButtons_ = {
      addButton(OpenLoadDialog::kSelectCaption, "selectLoad", &OpenLoadDialog::selectLoad),
      addButton(OpenLoadDialog::kDeleteCaption, "deleteLoad", &OpenLoadDialog::deleteLoad),
      addButton(OpenLoadDialog::kExportCaption, "exportLoad", &OpenLoadDialog::exportLoad)};
  QPushButton* import =
      addButton(OpenLoadDialog::kImportCaption, "importLoad", &OpenLoadDialog::importLoad);
  QPushButton* print =
      addButton(OpenLoadDialog::kPrintCaption, "printLoadList", &OpenLoadDialog::printLoadList);
  QPushButton* ladder =
      addButton(OpenLoadDialog::kLadderCaption, "ladderChart", &OpenLoadDialog::ladderChart);
  // Enter on the list or the caliber choice closes the browser: "&Cancel" is the button it
  // presses.
  QPushButton* cancel =
      addButton(OpenLoadDialog::kCancelCaption, "cancel", &OpenLoadDialog::cancel);
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
  dialog_.setListsFilled([this] { showLists(); });
  showCaliberChoices();
  showButtons();
}

OpenLoadWindow::~OpenLoadWindow() {
  dialog_.setListsFilled({});
}

QPushButton* OpenLoadWindow::addButton(const char* caption, const char* name,
                                       void (OpenLoadDialog::*action)()) {
  auto* button = new QPushButton(caption, this);
  button->setObjectName(name);
  connect(button, &QPushButton::clicked, this, [this, action] { act(action); });
  return button;
}

void OpenLoadWindow::act(void (OpenLoadDialog::*action)()) {
  (dialog_.*action)();
  if (dialog_.closed()) {
    done(Accepted);
    return;
  }
  showButtons();
}

// Each row whose highlight changed, the one losing it first: a highlight taken away by a click
// on empty space leaves its row selected.
void OpenLoadWindow::rowsChanged(const QItemSelection& selected, const QItemSelection& deselected) {
  for (const QModelIndex& index : deselected.indexes())
    if (index.column() == 0) dialog_.rowChanged(index.row());
  for (const QModelIndex& index : selected.indexes())
    if (index.column() == 0) dialog_.rowChanged(index.row());
  showButtons();
}

// The dialog filled its lists again: every highlight goes with the old rows.
void OpenLoadWindow::showLists() {
  showCaliberChoices();
  model_->refill();
  showButtons();
}

void OpenLoadWindow::showCaliberChoices() {
  const QSignalBlocker caliberBlocker(calibers_);
  calibers_->clear();
  for (const std::string& caliber : dialog_.caliberChoices())
    calibers_->addItem(fromRecordText(caliber));
  calibers_->setCurrentIndex(dialog_.chosenCaliber());
}

void OpenLoadWindow::showButtons() {
  for (QPushButton* button : rowButtons_) button->setEnabled(dialog_.rowButtonsEnabled());
}

void OpenLoadWindow::reject() {
  dialog_.cancel();
  QDialog::reject();
}

}  // namespace deadhold::ui
