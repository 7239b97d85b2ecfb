#include "caliber_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "calculators/caliber_dialog.h"
#include "dialog_units.h"
#include "window_size.h"

namespace deadhold::ui {

CaliberWindow::CaliberWindow(CaliberDialog& dialog, QWidget* parent)
    : QDialog(parent),
      dialog_(dialog),
      accept_(new QPushButton(CaliberDialog::kAcceptCaption, this)) {
  setFont(windowFont());
  setWindowTitle(CaliberDialog::kTitle);
  auto* field = new QLineEdit(this);
  field->setObjectName("caliber");
  // The field only ever holds what the user typed, so a plain length limit cuts nothing.
  field->setMaxLength(CaliberDialog::kTypingLimit);
  auto* label = new QLabel(CaliberDialog::kLabel, this);
  label->setBuddy(field);
  accept_->setObjectName("accept");
  accept_->setDefault(true);
  accept_->setEnabled(dialog_.acceptEnabled());
  auto* cancel = new QPushButton(CaliberDialog::kCancelCaption, this);
  cancel->setObjectName("cancel");
  connect(field, &QLineEdit::textChanged, this, [this](const QString& text) {
    dialog_.setFieldText(text.toLatin1().toStdString());
    accept_->setEnabled(dialog_.acceptEnabled());
  });
  connect(accept_, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(accept_);
  buttons->addWidget(cancel);
  auto* column = new QVBoxLayout(this);
  column->addWidget(label);
  column->addWidget(field);
  column->addStretch(1);
  column->addLayout(buttons);
  fixWindowSize(*this, 142, 76);
}

}  // namespace deadhold::ui
