#include "shot_string_window.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>

#include "dialog_units.h"
#include "import_velocities_window.h"
#include "limited_line_edit.h"
#include "notes_edit.h"
#include "surface/record_text.h"
#include "target_area.h"

namespace deadhold::ui {

namespace {

constexpr int kStripWidth = ShotStringDialog::kTargetLeft;
constexpr int kClientWidth = ShotStringDialog::kTargetLeft + ShotStringDialog::kTargetWidth + 1;
constexpr int kRangeTop = ShotStringDialog::kPointerBottom;
constexpr int kGap = 4;

}  // namespace

ShotStringWindow::ShotStringWindow(ShotStringDialog& dialog, QWidget* parent)
    : QDialog(parent), dialog_(dialog), target_(new TargetArea(dialog, this)) {
  setFont(windowFont());
  setWindowTitle(ShotStringDialog::kTitle);
  target_->onPointerChanged([this] { showState(); });

  // Laid out in client pixels: the target's place is fixed, the rest fits around it.
  QWidget* strip = createShotStrip();
  QWidget* range = createRangeConditions();
  strip->setFixedWidth(kStripWidth);
  range->setFixedWidth(kClientWidth - kStripWidth);
  const int height =
      std::max(strip->sizeHint().height(), kRangeTop + range->sizeHint().height() + kGap);
  strip->setGeometry(0, 0, kStripWidth, height);
  range->setGeometry(kStripWidth, kRangeTop, kClientWidth - kStripWidth, height - kRangeTop);
  setFixedSize(kClientWidth, height);
  showState();
}

LimitedLineEdit* ShotStringWindow::addField(ShotStringField which) {
  auto* field = new LimitedLineEdit(ShotStringDialog::fieldLimit(which), this);
  field->setObjectName(QString("shotField%1").arg(static_cast<int>(which)));
  connect(field, &LimitedLineEdit::userChanged, this, [this, which](const QString& text) {
    act([this, which, text] { dialog_.typeText(which, toRecordText(text)); });
  });
  fields_[static_cast<std::size_t>(which)] = field;
  return field;
}

QWidget* ShotStringWindow::createShotStrip() {
  auto* strip = new QWidget(this);
  auto* column = new QVBoxLayout(strip);
  // Clear of the target on the right, which starts right after the strip.
  column->setContentsMargins(2, kGap, 2 + kGap, kGap);
  column->setSpacing(kGap);

  // Tight margins: two columns of "Shot #10" must fit the strip.
  auto* shotGroup = new QGroupBox("Select Shot Number", strip);
  auto* shotGrid = new QGridLayout(shotGroup);
  shotGrid->setContentsMargins(2, 2, 2, 2);
  shotGrid->setHorizontalSpacing(0);
  shotGrid->setVerticalSpacing(0);
  auto* shotButtons = new QButtonGroup(this);
  for (int number = 1; number <= 10; ++number) {
    auto* button = new QRadioButton(QString("Shot #%1").arg(number), shotGroup);
    button->setObjectName(QString("shot%1").arg(number));
    shotButtons->addButton(button, number);
    shotGrid->addWidget(button, (number - 1) % 5, (number - 1) / 5);
    shots_[static_cast<std::size_t>(number - 1)] = button;
  }
  connect(shotButtons, &QButtonGroup::idClicked, this,
          [this](int number) { act([this, number] { dialog_.selectShot(number); }); });
  column->addWidget(shotGroup);

  hideOthers_ = new QCheckBox("Hide All but Selected", strip);
  hideOthers_->setObjectName("hideOthers");
  connect(hideOthers_, &QCheckBox::clicked, this,
          [this](bool hide) { act([this, hide] { dialog_.setHideOthers(hide); }); });
  column->addWidget(hideOthers_);

  auto* resetHole = new QPushButton("Reset Hole", strip);
  resetHole->setObjectName("resetHole");
  connect(resetHole, &QPushButton::clicked, this, [this] { act([this] { dialog_.resetHole(); }); });
  auto* resetAll = new QPushButton("Reset All", strip);
  resetAll->setObjectName("resetAll");
  connect(resetAll, &QPushButton::clicked, this, [this] { act([this] { dialog_.resetAll(); }); });
  auto* resets = new QHBoxLayout;
  resets->addWidget(resetHole);
  resets->addWidget(resetAll);
  column->addLayout(resets);

  auto* frame = new QGroupBox(strip);
  auto* frameColumn = new QVBoxLayout(frame);
  frameColumn->setContentsMargins(kGap, kGap, kGap, kGap);
  frameColumn->setSpacing(2);
  auto* hint =
      new QLabel("Right click on target to place hole or edit fields below directly", frame);
  hint->setWordWrap(true);
  frameColumn->addWidget(hint);
  pointerXLine_ = new QLabel(frame);
  pointerXLine_->setObjectName("pointerXLine");
  pointerYLine_ = new QLabel(frame);
  pointerYLine_->setObjectName("pointerYLine");
  // Reserved even while empty, so the fields below do not jump.
  for (QLabel* line : {pointerXLine_, pointerYLine_}) {
    line->setMinimumHeight(line->fontMetrics().height());
    frameColumn->addWidget(line);
  }
  auto* distances = new QFormLayout;
  distances->setContentsMargins(0, 0, 0, 0);
  for (ShotStringField which : {ShotStringField::xDistance, ShotStringField::yDistance})
    distances->addRow(ShotStringDialog::fieldLabel(which), addField(which));
  frameColumn->addLayout(distances);
  column->addWidget(frame);

  auto* values = new QFormLayout;
  values->addRow(ShotStringDialog::fieldLabel(ShotStringField::velocity),
                 addField(ShotStringField::velocity));
  // The string's statistics follow the group size, in the same style.
  for (ShotStringField which :
       {ShotStringField::radius, ShotStringField::groupSize, ShotStringField::meanRadius,
        ShotStringField::shots, ShotStringField::meanVelocity, ShotStringField::extremeSpread,
        ShotStringField::standardDeviation}) {
    LimitedLineEdit* shown = addField(which);
    shown->setReadOnly(true);
    shown->setFocusPolicy(Qt::ClickFocus);
    values->addRow(ShotStringDialog::fieldLabel(which), shown);
  }
  column->addLayout(values);
  column->addWidget(new QLabel("( * is calculated )", strip), 0, Qt::AlignRight);
  column->addStretch(1);

  auto* importButton = new QPushButton(ShotStringDialog::kImportCaption, strip);
  importButton->setObjectName("importVelocities");
  importButton->setAutoDefault(false);
  connect(importButton, &QPushButton::clicked, this,
          [this] { act([this] { importVelocities(); }); });
  column->addWidget(importButton);

  auto* returnButton = new QPushButton("&Return", strip);
  returnButton->setObjectName("returnButton");
  returnButton->setDefault(true);  // Enter in a field closes the dialog
  connect(returnButton, &QPushButton::clicked, this, &QDialog::accept);
  column->addWidget(returnButton);
  return strip;
}

void ShotStringWindow::importVelocities() {
  dialog_.importVelocities([this](ImportVelocitiesDialog& choice) {
    ImportVelocitiesWindow window(choice, this);
    window.exec();
    return choice.accepted();
  });
}

QWidget* ShotStringWindow::createRangeConditions() {
  auto* range = new QWidget(this);
  auto* rows = new QVBoxLayout(range);
  rows->setContentsMargins(kGap, 0, kGap, 0);
  rows->setSpacing(2);
  const int numberWidth = fontMetrics().horizontalAdvance("0000000000") + 8;
  const auto add = [this](QHBoxLayout& row, ShotStringField which, int width) {
    auto* label = new QLabel(ShotStringDialog::fieldLabel(which), this);
    LimitedLineEdit* field = addField(which);
    label->setBuddy(field);
    row.addWidget(label);
    if (width > 0) {
      field->setFixedWidth(width);
      row.addWidget(field);
    } else {
      row.addWidget(field, 1);
    }
    row.addSpacing(kGap);
  };
  auto* first = new QHBoxLayout;
  add(*first, ShotStringField::targetDistance, numberWidth);
  add(*first, ShotStringField::temp, numberWidth);
  add(*first, ShotStringField::elevation, numberWidth);
  first->addStretch(1);
  auto* second = new QHBoxLayout;
  add(*second, ShotStringField::scopeHeight, numberWidth);
  add(*second, ShotStringField::wind, 0);

  notes_ = new NotesEdit(ShotStringDialog::fieldLimit(ShotStringField::notes), this);
  notes_->setObjectName("notes");
  // At least four lines, and whatever the window has to spare under the target.
  notes_->setMinimumHeight(notes_->fontMetrics().height() * 4 + 12);
  notes_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored);
  auto* notesLabel = new QLabel(ShotStringDialog::fieldLabel(ShotStringField::notes), this);
  notesLabel->setBuddy(notes_);
  auto* third = new QHBoxLayout;
  third->addWidget(notesLabel, 0, Qt::AlignTop);
  third->addWidget(notes_, 1);
  connect(notes_, &NotesEdit::userChanged, this, [this] {
    act([this] { dialog_.typeText(ShotStringField::notes, notes_->storedText()); });
  });
  rows->addLayout(first);
  rows->addLayout(second);
  rows->addLayout(third, 1);
  return range;
}

void ShotStringWindow::act(const std::function<void()>& action) {
  action();
  showState();
}

void ShotStringWindow::showState() {
  for (std::size_t i = 0; i < kShotStringFieldCount; ++i) {
    const auto which = static_cast<ShotStringField>(i);
    if (which == ShotStringField::notes) continue;
    fields_[i]->showText(fromRecordText(dialog_.fieldText(which)));
  }
  notes_->showText(dialog_.fieldText(ShotStringField::notes));
  // The lines end in a line break of their own, which a label would show as an empty line.
  pointerXLine_->setText(fromRecordText(dialog_.pointerXLine()).trimmed());
  pointerYLine_->setText(fromRecordText(dialog_.pointerYLine()).trimmed());
  {
    const QSignalBlocker blocker(hideOthers_);
    hideOthers_->setChecked(dialog_.hideOthers());
  }
  target_->update();
}

void ShotStringWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

}  // namespace deadhold::ui
