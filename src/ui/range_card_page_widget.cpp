#include "range_card_page_widget.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTreeView>

#include "dialog_units.h"
#include "keyboard_list.h"
#include "printing/range_card_printout.h"
#include "rangecard/range_card_page.h"
#include "surface/qpainter_surface.h"
#include "surface/record_text.h"

namespace deadhold::ui {

namespace {

using F = RangeCardField;

// Layout units. Two rows of ten slots, each a label over a field: the load and the air, then
// the shot, the spin and the card. Below them the load's name, the graph with the buttons to its
// right, the table, and the note on the coefficients.
constexpr std::array<int, 2> kLabelTops{2, 26};
constexpr int kLabelHeight = 9;
constexpr int kFieldHeight = 12;
constexpr int kSlotGap = 2;
// Slot widths: the air choice and the pressure's caption need more room than a short number.
constexpr std::array<std::array<int, 10>, 2> kSlotWidths{{
    {28, 32, 32, 34, 32, 32, 32, 44, 43, 34},
    {34, 34, 34, 34, 34, 34, 34, 34, 34, 34},
}};
constexpr int kLoadTop = 50;
constexpr int kGraphTop = 60;
constexpr int kGraphBottom = 132;
constexpr int kGraphWidth = 298;
constexpr int kListTop = 134;
constexpr int kNoteTop = 222;
constexpr int kPageWidth = 362;

// Where each field stands: its row and slot. Slots 0 and 7 of the first row and slot 7 of the
// second hold the drag, air and unit choices.
struct Slot {
  F field;
  int row;
  int slot;
};
constexpr Slot kSlots[] = {
    {F::BallisticCoeff, 0, 1},
    {F::BulletWeight, 0, 2},
    {F::MuzzleVelocity, 0, 3},
    {F::ZeroRange, 0, 4},
    {F::SightHeight, 0, 5},
    {F::Temperature, 0, 6},
    {F::Air, 0, 8},
    {F::Humidity, 0, 9},
    {F::WindSpeed, 1, 0},
    {F::WindAngle, 1, 1},
    {F::LookAngle, 1, 2},
    {F::Twist, 1, 3},
    {F::BulletLength, 1, 4},
    {F::BulletDiameter, 1, 5},
    {F::ClickSize, 1, 6},
    {F::RangeStep, 1, 8},
    {F::MaxRange, 1, 9},
};

QRect slotArea(const DialogUnits& units, int row, int slot, int top, int height) {
  int left = 1;
  for (int i = 0; i < slot; ++i) left += kSlotWidths[row][i] + kSlotGap;
  return units.rect(left, top, kSlotWidths[row][slot], height);
}

QRect labelArea(const DialogUnits& units, int row, int slot) {
  return slotArea(units, row, slot, kLabelTops[row], kLabelHeight);
}

QRect fieldArea(const DialogUnits& units, int row, int slot) {
  return slotArea(units, row, slot, kLabelTops[row] + kLabelHeight, kFieldHeight);
}

QStringList entries(const std::array<const char*, 2>& names) {
  return {names[0], names[1]};
}

class CardPrinter : public RangeCardPrinter {
 public:
  explicit CardPrinter(Dialogs& dialogs) : dialogs_(dialogs) {}
  void printRangeCard(const RangeCard& card) override { deadhold::printRangeCard(card, dialogs_); }

 private:
  Dialogs& dialogs_;
};

}  // namespace

RangeCardPageWidget::RangeCardPageWidget(RangeCardPage& page, Dialogs& dialogs,
                                         const DialogUnits& units, QWidget* parent)
    : ComputedPageWidget(parent), page_(page), dialogs_(dialogs) {
  createInputs(units);
  createResults(units);
  showState();
}

QComboBox* RangeCardPageWidget::addChoice(const char* caption, const QStringList& names,
                                          const QRect& label, const QRect& area,
                                          const std::function<void(int)>& choose) {
  auto* title = new QLabel(caption, this);
  title->setGeometry(label);
  auto* box = new QComboBox(this);
  box->addItems(names);
  box->setGeometry(area);
  title->setBuddy(box);
  connect(box, &QComboBox::currentIndexChanged, this, [this, choose](int entry) {
    choose(entry);
    showState();
  });
  return box;
}

void RangeCardPageWidget::createInputs(const DialogUnits& units) {
  // In the order of the keyboard: along the first row, then the second.
  dragFunction_ =
      addChoice(kDragCaption, entries(kDragEntries), labelArea(units, 0, 0), fieldArea(units, 0, 0),
                [this](int entry) { page_.chooseDragFunction(entry); });
  dragFunction_->setObjectName("dragFunction");
  for (const Slot& slot : kSlots) {
    if (slot.field == F::Air) {
      airEntry_ =
          addChoice(kAirCaption, entries(kAirEntries), labelArea(units, 0, 7),
                    fieldArea(units, 0, 7), [this](int entry) { page_.chooseAirEntry(entry); });
      airEntry_->setObjectName("airEntry");
    }
    if (slot.field == F::RangeStep) {
      clickUnit_ =
          addChoice(kClickUnitCaption, entries(kClickUnitEntries), labelArea(units, 1, 7),
                    fieldArea(units, 1, 7), [this](int entry) { page_.chooseClickUnit(entry); });
      clickUnit_->setObjectName("clickUnit");
    }
    const auto index = static_cast<std::size_t>(slot.field);
    auto* label = new QLabel(kRangeCardFieldCaptions[index], this);
    label->setGeometry(labelArea(units, slot.row, slot.slot));
    if (slot.field == F::Air) airValueLabel_ = label;
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QString("rangeCardField%1").arg(index));
    edit->setGeometry(fieldArea(units, slot.row, slot.slot));
    label->setBuddy(edit);
    fields_[index] = edit;
    connect(edit, &QLineEdit::textChanged, this,
            [this, slot](const QString& text) { page_.editField(slot.field, toRecordText(text)); });
  }
}

void RangeCardPageWidget::createResults(const DialogUnits& units) {
  loadLabel_ = new QLabel(this);
  loadLabel_->setObjectName("rangeCardLoad");
  loadLabel_->setGeometry(units.rect(1, kLoadTop, kGraphWidth, kLabelHeight));
  graphArea_ = units.rect(0, kGraphTop, kGraphWidth, kGraphBottom - kGraphTop);

  const auto addButton = [&](const char* caption, int row, void (RangeCardPageWidget::*action)()) {
    auto* button = new QPushButton(caption, this);
    button->setGeometry(units.rect(kGraphWidth + 4, kGraphTop + row * 15, 60, 13));
    button->setAutoDefault(true);  // Enter on a button presses it
    connect(button, &QPushButton::clicked, this, action);
    return button;
  };
  addButton(kCalculateCaption, 0, &RangeCardPageWidget::calculate)->setObjectName("calculate");
  addButton(kPrintCardCaption, 1, &RangeCardPageWidget::print)->setObjectName("printCard");
  addButton(kGetLoadCaption, 2, &RangeCardPageWidget::getLoadData)->setObjectName("getLoad");
  notes_ = new QLabel(this);
  notes_->setObjectName("rangeCardNotes");
  notes_->setWordWrap(true);
  notes_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  notes_->setGeometry(
      units.rect(kGraphWidth + 4, kGraphTop + 46, 60, kGraphBottom - kGraphTop - 46));

  std::array<const char*, kRangeCardColumnCount> headings{};
  for (std::size_t i = 0; i < headings.size(); ++i) headings[i] = kRangeCardColumns[i].heading;
  listModel_ = new CellTableModel<kRangeCardColumnCount>(headings, this);
  list_ = new KeyboardList<QTreeView>(this);
  list_->setObjectName("rangeCardList");
  list_->setModel(listModel_);
  list_->setGeometry(units.rect(0, kListTop, kPageWidth, kNoteTop - kListTop - 1));
  list_->setRootIsDecorated(false);
  list_->setUniformRowHeights(true);
  list_->setItemsExpandable(false);
  list_->setSelectionBehavior(QAbstractItemView::SelectRows);
  list_->setAllColumnsShowFocus(true);
  list_->header()->setStretchLastSection(false);
  list_->header()->setSectionsMovable(false);
  for (std::size_t i = 0; i < kRangeCardColumns.size(); ++i)
    list_->header()->resizeSection(static_cast<int>(i), kRangeCardColumns[i].width);

  auto* note = new QLabel(fromRecordText(kReferenceAirNote), this);
  note->setGeometry(units.rect(1, kNoteTop, kPageWidth, kLabelHeight));
}

void RangeCardPageWidget::showState() {
  for (std::size_t i = 0; i < kRangeCardFieldCount; ++i) {
    const QString text = fromRecordText(page_.fieldText(static_cast<F>(i)));
    if (fields_[i]->text() == text) continue;  // what the user typed stays where it is
    const QSignalBlocker blocker(fields_[i]);
    fields_[i]->setText(text);
    fields_[i]->setCursorPosition(0);
  }
  const RangeCardTexts& texts = page_.texts();
  for (auto [box, entry] :
       {std::pair{dragFunction_, texts.dragFunction}, std::pair{airEntry_, texts.airEntry},
        std::pair{clickUnit_, texts.clickUnit}}) {
    const QSignalBlocker blocker(box);
    box->setCurrentIndex(entry);
  }
  airValueLabel_->setText(page_.airValueCaption());
  loadLabel_->setText("Load: " + fromRecordText(page_.label()));
  QStringList notes;
  for (const std::string& note : page_.notes()) notes << fromRecordText(note);
  notes_->setText(notes.join('\n'));
  listModel_->setRows(page_.listRows());
  update();
}

void RangeCardPageWidget::paintEvent(QPaintEvent*) {
  if (!readyToPaint()) return;
  QPainter painter(this);
  painter.fillRect(graphArea_, Qt::white);
  QPainterSurface surface(painter);
  page_.drawGraph(surface,
                  {graphArea_.left(), graphArea_.top(), graphArea_.right(), graphArea_.bottom()});
}

bool RangeCardPageWidget::computationPending() const { return page_.recomputePending(); }

void RangeCardPageWidget::runPendingComputation() { page_.runPendingRecompute(); }

void RangeCardPageWidget::enterPressed() { calculate(); }

void RangeCardPageWidget::calculate() {
  page_.calculate();
  showState();
}

void RangeCardPageWidget::print() {
  CardPrinter printer(dialogs_);
  page_.print(printer);
  showState();
}

void RangeCardPageWidget::getLoadData() {
  page_.getLoadData();
  showState();
}

}  // namespace deadhold::ui
