#include "edit_load_window.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

#include "dialog_units.h"
#include "limited_line_edit.h"
#include "loadinfo/edit_load_dialog.h"
#include "surface/record_text.h"

namespace deadhold::ui {

namespace {

// The recipe's columns, each a run of fields in screen order: bullet, powder, primer, case and
// the loaded cartridge. The load name spans them all above.
constexpr std::array<std::size_t, 6> kColumnStarts = {1, 6, 10, 14, 18, kEditLoadFieldCount};
constexpr int kFieldColumns = 5;

}  // namespace

EditLoadWindow::EditLoadWindow(EditLoadDialog& editor, QWidget* parent)
    : QDialog(parent), editor_(editor) {
  setFont(windowFont());
  setWindowTitle(EditLoadDialog::kTitle);

  auto* group = new QGroupBox(EditLoadDialog::kGroupCaption, this);
  auto* grid = new QGridLayout(group);
  grid->setHorizontalSpacing(DialogUnits(font()).x(6));
  grid->setVerticalSpacing(1);
  createFields(*grid);

  auto* buttons = new QHBoxLayout;
  addButton(EditLoadDialog::kBulletDBaseCaption, "bulletDBase", &EditLoadDialog::bulletDBase);
  addButton(EditLoadDialog::kPowderDBaseCaption, "powderDBase", &EditLoadDialog::powderDBase);
  addButton(EditLoadDialog::kPrimerDBaseCaption, "primerDBase", &EditLoadDialog::primerDBase);
  addButton(EditLoadDialog::kResetFieldsCaption, "resetFields", &EditLoadDialog::resetFields);
  addButton(EditLoadDialog::kAcceptCaption, "accept", &EditLoadDialog::accept);
  // Enter in a field closes the editor without accepting, as it always did: "&Quit" is the
  // button Enter presses.
  addButton(EditLoadDialog::kQuitCaption, "quit", &EditLoadDialog::quit)->setDefault(true);
  for (std::size_t i = 0; i < buttons_.size(); ++i) {
    if (i == 3) buttons->addStretch(1);  // the catalogue buttons apart from the closing ones
    buttons->addWidget(buttons_[i]);
  }

  auto* column = new QVBoxLayout(this);
  column->addWidget(group);
  column->addLayout(buttons);
  column->setSizeConstraint(QLayout::SetFixedSize);
  showState();
}

namespace {

// Wide enough for a field's longest text of capitals, so that "BMFGABCDEFGHIJKL" shows whole.
int widthForTyping(const QLineEdit& field, int characters) {
  const QString capitals = QString("ABCDEFGHIJKLMNOPQRSTUVWXYZ").left(characters);
  const int frame = field.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &field);
  // The edit's own margin of two pixels a side, and room for the cursor.
  return field.fontMetrics().horizontalAdvance(capitals) + 2 * frame + 6;
}

}  // namespace

void EditLoadWindow::createFields(QGridLayout& grid) {
  const DialogUnits units(font());
  const auto addField = [this, &grid, &units](EditLoadField which, int row, int column, int span) {
    auto* field = new LimitedLineEdit(editLoadFieldLimit(which), this);
    field->setObjectName(QString("editField%1").arg(static_cast<int>(which)));
    field->setMinimumWidth(
        span == 1 ? std::max(units.x(64), widthForTyping(*field, editLoadFieldLimit(which)))
                  : units.x(200));
    auto* label = new QLabel(editLoadFieldLabel(which), this);
    label->setBuddy(field);
    grid.addWidget(label, row, column, 1, span);
    grid.addWidget(field, row + 1, column, 1, span);
    connect(field, &LimitedLineEdit::userChanged, this,
            [this, which](const QString& text) { editor_.typeText(which, toRecordText(text)); });
    fields_[static_cast<std::size_t>(which)] = field;
  };

  // Made in screen order, which is also the order Tab follows.
  addField(EditLoadField::loadName, 0, 0, 3);
  for (int column = 0; column < kFieldColumns; ++column) {
    int row = 2;
    for (std::size_t i = kColumnStarts[column]; i < kColumnStarts[column + 1]; ++i, row += 2)
      addField(static_cast<EditLoadField>(i), row, column, 1);
    if (column != 0) continue;
    moly_ = new QCheckBox(EditLoadDialog::kMolyCaption, this);
    moly_->setObjectName("moly");
    crimp_ = new QCheckBox(EditLoadDialog::kCrimpCaption, this);
    crimp_->setObjectName("crimp");
    auto* flags = new QHBoxLayout;
    flags->addWidget(moly_);
    flags->addWidget(crimp_);
    flags->addStretch(1);
    grid.addLayout(flags, row + 1, 0);
  }
  connect(moly_, &QCheckBox::clicked, this, [this](bool checked) {
    editor_.setMoly(checked);
    showState();
  });
  connect(crimp_, &QCheckBox::clicked, this, [this](bool checked) {
    editor_.setCrimp(checked);
    showState();
  });
}

QPushButton* EditLoadWindow::addButton(const char* caption, const char* name,
                                       void (EditLoadDialog::*action)()) {
  auto* button = new QPushButton(caption, this);
  button->setObjectName(name);
  connect(button, &QPushButton::clicked, this, [this, action] { act(action); });
  buttons_.push_back(button);
  return button;
}

void EditLoadWindow::act(void (EditLoadDialog::*action)()) {
  (editor_.*action)();
  showState();
  if (editor_.closed()) done(editor_.accepted() ? Accepted : Rejected);
}

void EditLoadWindow::showState() {
  for (std::size_t i = 0; i < kEditLoadFieldCount; ++i)
    fields_[i]->showText(fromRecordText(editor_.fieldText(static_cast<EditLoadField>(i))));
  const QSignalBlocker molyBlocker(moly_);
  const QSignalBlocker crimpBlocker(crimp_);
  moly_->setChecked(editor_.molyChecked());
  crimp_->setChecked(editor_.crimpChecked());
}

void EditLoadWindow::reject() {
  editor_.quit();
  QDialog::reject();
}

}  // namespace deadhold::ui
