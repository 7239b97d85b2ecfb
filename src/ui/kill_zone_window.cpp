#include "kill_zone_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ballistics/kill_zone_dialog.h"
#include "dialog_units.h"
#include "window_size.h"

namespace deadhold::ui {

KillZoneWindow::KillZoneWindow(KillZoneDialog& dialog, QWidget* parent)
    : QDialog(parent), dialog_(dialog), ok_(new QPushButton(KillZoneDialog::kOkCaption, this)) {
  setFont(windowFont());
  setWindowTitle(KillZoneDialog::kTitle);
  auto* field = new QLineEdit(QString::fromLatin1(dialog_.fieldText().c_str()), this);
  field->setObjectName("height");
  auto* label = new QLabel(KillZoneDialog::kLabel, this);
  label->setBuddy(field);
  ok_->setObjectName("ok");
  ok_->setDefault(true);
  ok_->setEnabled(dialog_.okEnabled());
  auto* cancel = new QPushButton(KillZoneDialog::kCancelCaption, this);
  cancel->setObjectName("cancel");
  connect(field, &QLineEdit::textChanged, this, [this](const QString& text) {
    dialog_.setFieldText(text.toLatin1().toStdString());
    ok_->setEnabled(dialog_.okEnabled());
  });
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(ok_);
  buttons->addWidget(cancel);
  auto* column = new QVBoxLayout(this);
  column->addWidget(label);
  column->addWidget(field);
  column->addStretch(1);
  column->addLayout(buttons);
  fixWindowSize(*this, 160, 62);
}

}  // namespace deadhold::ui
