#include "ballistics_page_widget.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QTreeView>

#include "ballistics/ballistics_page.h"
#include "ballistics/ballistics_page_texts.h"
#include "dialog_units.h"
#include "keyboard_list.h"
#include "limited_line_edit.h"
#include "range_list_model.h"
#include "surface/qpainter_surface.h"
#include "surface/record_text.h"

namespace deadhold::ui {

namespace {

constexpr std::array<const char*, kBallisticsFieldCount> kFieldNames{
    "name",           "ballisticCoeff", "bulletWeight", "muzzleVelocity",
    "targetDistance", "scopeHeight",    "temperature",  "altitude"};

// Layout units. The graph takes the top of the page (522 by 147 pixels at 10, 5) with the range
// increments to its right; below it the name row, the row of the seven inputs, then the list with
// the buttons to its right. The name field is wide enough for a whole load description.
constexpr int kNameRowTop = 97;
constexpr int kInputLabelTop = 113;
constexpr int kInputTop = 122;
constexpr int kListTop = 139;
constexpr int kRowHeight = 12;
constexpr int kLabelHeight = 9;
constexpr std::array<int, 7> kInputLefts{2, 52, 102, 152, 212, 262, 312};
constexpr std::array<int, 7> kInputWidths{46, 46, 46, 56, 46, 46, 46};
constexpr int kGraphRight = 10 + 522;  // pixels
constexpr int kIncrementsTop = 50;

}  // namespace

BallisticsPageWidget::BallisticsPageWidget(BallisticsPage& page, BallisticsPageDialogs& dialogs,
                                           const DialogUnits& units, QWidget* parent)
    : ComputedPageWidget(parent), page_(page), dialogs_(dialogs) {
  createInputs(units);
  createList(units);
  createButtons(units);
  showState();
  // A message or dialog that opens in the middle of an action speaks of the state it left.
  window()->installEventFilter(this);
}

bool BallisticsPageWidget::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::WindowBlocked && isVisible()) showState();
  return QWidget::eventFilter(watched, event);
}

void BallisticsPageWidget::createInputs(const DialogUnits& units) {
  const auto addField = [&](BallisticsField field, QLineEdit* edit, const QRect& labelArea,
                            const QRect& area) {
    const auto index = static_cast<std::size_t>(field);
    auto* label = new QLabel(kBallisticsFieldCaptions[index], this);
    label->setGeometry(labelArea);
    edit->setObjectName(kFieldNames[index]);
    edit->setGeometry(area);
    label->setBuddy(edit);
    fields_[index] = edit;
  };

  name_ = new LimitedLineEdit(kNameTypingLimit, this);
  addField(BallisticsField::Name, name_, units.rect(2, kNameRowTop + 2, 22, kLabelHeight),
           units.rect(26, kNameRowTop, 228, kRowHeight));
  connect(name_, &LimitedLineEdit::userChanged, this, [this](const QString& text) {
    page_.editField(BallisticsField::Name, toRecordText(text));
  });

  auto* incrementsLabel = new QLabel(kRangeIncrementsCaption, this);
  // Two lines, as the room beside the graph is narrow.
  incrementsLabel->setWordWrap(true);
  const int besideGraph = kGraphRight + units.x(4);
  incrementsLabel->setGeometry(besideGraph, units.y(kIncrementsTop), units.x(362) - besideGraph,
                               units.y(2 * kLabelHeight));
  increments_ = new QComboBox(this);
  increments_->setObjectName("rangeIncrements");
  // Its field takes typing, which changes nothing: only choosing an entry counts.
  increments_->setEditable(true);
  increments_->setInsertPolicy(QComboBox::NoInsert);
  increments_->setDuplicatesEnabled(true);
  increments_->setCompleter(nullptr);
  // The box would choose an entry matching the typed text when the field is left or Enter is
  // pressed in it; the typed text is put back to the chosen entry instead.
  QObject::disconnect(increments_->lineEdit(), &QLineEdit::editingFinished, increments_, nullptr);
  QObject::disconnect(increments_->lineEdit(), &QLineEdit::returnPressed, increments_, nullptr);
  for (const char* entry : kRangeIncrementEntries) increments_->addItem(entry);
  increments_->setGeometry(besideGraph, units.y(kIncrementsTop + 2 * kLabelHeight + 2), units.x(34),
                           units.y(kRowHeight));
  incrementsLabel->setBuddy(increments_);
  connect(increments_, &QComboBox::currentIndexChanged, this, [this](int entry) {
    page_.chooseRangeIncrement(entry);
    showState();
  });
  connect(increments_->lineEdit(), &QLineEdit::editingFinished, this,
          [this] { increments_->setEditText(increments_->currentText()); });

  autoUpdate_ = new QCheckBox(kAutoUpdateCaption, this);
  autoUpdate_->setObjectName("autoUpdate");
  autoUpdate_->setGeometry(units.rect(258, kNameRowTop, 104, kRowHeight));
  connect(autoUpdate_, &QCheckBox::clicked, this, [this](bool checked) {
    page_.clickAutoUpdate(checked);
    showState();
  });

  for (std::size_t i = 0; i < kInputLefts.size(); ++i) {
    const auto field = static_cast<BallisticsField>(i + 1);
    auto* edit = new QLineEdit(this);
    addField(field, edit, units.rect(kInputLefts[i], kInputLabelTop, kInputWidths[i], kLabelHeight),
             units.rect(kInputLefts[i], kInputTop, kInputWidths[i], kRowHeight));
    connect(edit, &QLineEdit::textChanged, this,
            [this, field](const QString& text) { page_.editField(field, toRecordText(text)); });
  }
}

void BallisticsPageWidget::createList(const DialogUnits& units) {
  listModel_ = new RangeListModel(this);
  list_ = new KeyboardList<QTreeView>(this);
  list_->setObjectName("rangeList");
  list_->setModel(listModel_);
  list_->setGeometry(units.rect(0, kListTop, 296, 231 - kListTop));
  list_->setRootIsDecorated(false);
  list_->setUniformRowHeights(true);
  list_->setItemsExpandable(false);
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  list_->setSelectionBehavior(QAbstractItemView::SelectRows);
  list_->setAllColumnsShowFocus(true);
  list_->header()->setStretchLastSection(false);
  list_->header()->setSectionsMovable(false);
  list_->header()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  for (int column = 0; column < kRangeListColumnCount; ++column)
    list_->header()->resizeSection(column,
                                   kRangeListColumns[static_cast<std::size_t>(column)].width);
}

QPushButton* BallisticsPageWidget::addButton(const char* caption, const QRect& geometry,
                                             void (BallisticsPageWidget::*action)()) {
  auto* button = new QPushButton(caption, this);
  button->setGeometry(geometry);
  // Enter on a button presses that button; anywhere else it recomputes.
  button->setAutoDefault(true);
  connect(button, &QPushButton::clicked, this, action);
  return button;
}

void BallisticsPageWidget::createButtons(const DialogUnits& units) {
  const auto slot = [&units](int row) { return units.rect(300, kListTop + row * 15, 62, 13); };
  QPushButton* reCompute = addButton(kReComputeCaption, slot(0), &BallisticsPageWidget::reCompute);
  reCompute->setObjectName("reCompute");
  reCompute->setDefault(true);
  resultButtons_ = {addButton(kTaylorKoCaption, slot(2), &BallisticsPageWidget::taylorKo),
                    addButton(kSaveToTextCaption, slot(4), &BallisticsPageWidget::saveToText),
                    addButton(kPrintCaption, slot(3), &BallisticsPageWidget::print),
                    addButton(kCalculateDhrCaption, slot(1), &BallisticsPageWidget::calculateDhr)};
  resultButtons_[0]->setObjectName("taylorKo");
  resultButtons_[1]->setObjectName("saveToText");
  resultButtons_[2]->setObjectName("print");
  resultButtons_[3]->setObjectName("calculateDhr");
  addButton(kGetLoadDataCaption, slot(5), &BallisticsPageWidget::getLoadData)
      ->setObjectName("getLoadData");
  // Keyboard order down the column, as the buttons stand.
  setTabOrder(reCompute, resultButtons_[3]);
  setTabOrder(resultButtons_[3], resultButtons_[0]);
  setTabOrder(resultButtons_[0], resultButtons_[2]);
  setTabOrder(resultButtons_[2], resultButtons_[1]);
}

void BallisticsPageWidget::showState() {
  const BallisticsFieldTexts& texts = page_.fieldTexts();
  for (std::size_t i = 0; i < kBallisticsFieldCount; ++i) {
    const QString text = fromRecordText(texts[static_cast<BallisticsField>(i)]);
    if (fields_[i]->text() == text) continue;  // what the user typed stays where it is
    if (i == 0) {
      name_->showText(text);
    } else {
      const QSignalBlocker blocker(fields_[i]);
      fields_[i]->setText(text);
      fields_[i]->setCursorPosition(0);
    }
  }
  {
    const QSignalBlocker blocker(autoUpdate_);
    autoUpdate_->setChecked(page_.autoUpdateChecked());
  }
  {
    const QSignalBlocker blocker(increments_);
    increments_->setCurrentIndex(page_.rangeIncrementEntry());
    increments_->setEditText(increments_->currentText());
  }
  listModel_->setRows(page_.listRows());
  fitListColumns();
  for (QPushButton* button : resultButtons_) button->setEnabled(page_.resultButtonsEnabled());
  update();
}

void BallisticsPageWidget::fitListColumns() {
  // Each column keeps its own width unless its widest cell needs more: a number is never cut
  // short. The longest text of a column is its widest, all but exactly.
  const QFontMetrics metrics(list_->font());
  const int margins =
      2 * (list_->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list_) + 1) + 4;
  const auto& rows = page_.listRows();
  for (int column = 0; column < kRangeListColumnCount; ++column) {
    std::size_t longest = 0;
    for (std::size_t row = 1; row < rows.size(); ++row)
      if (rows[row][column].size() > rows[longest][column].size()) longest = row;
    if (rows.empty()) continue;
    const int needed = metrics.horizontalAdvance(fromRecordText(rows[longest][column])) + margins;
    if (list_->header()->sectionSize(column) < needed)
      list_->header()->resizeSection(column, needed);
  }
}

void BallisticsPageWidget::paintEvent(QPaintEvent*) {
  if (!readyToPaint()) return;
  QPainter painter(this);
  QPainterSurface surface(painter);
  page_.paint(surface);
}

bool BallisticsPageWidget::computationPending() const { return page_.recomputePending(); }

void BallisticsPageWidget::runPendingComputation() { page_.runPendingRecompute(); }

void BallisticsPageWidget::enterPressed() { reCompute(); }

void BallisticsPageWidget::reCompute() {
  page_.reCompute();
  showState();
}

void BallisticsPageWidget::calculateDhr() {
  page_.calculateDhr(dialogs_);
  showState();
}

void BallisticsPageWidget::taylorKo() {
  page_.taylorKo(dialogs_);
  showState();
}

void BallisticsPageWidget::print() {
  page_.print(dialogs_);
  showState();
}

void BallisticsPageWidget::saveToText() {
  page_.saveToText();
  showState();
}

void BallisticsPageWidget::getLoadData() {
  page_.getLoadData();
  showState();
}

}  // namespace deadhold::ui
