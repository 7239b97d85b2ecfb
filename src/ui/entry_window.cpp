#include "entry_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialog_units.h"
#include "surface/record_text.h"
#include "window_size.h"

namespace deadhold::ui {

EntryWindow::EntryWindow(const EntryWindowTexts& texts, bool acceptEnabled,
                         std::function<bool(const std::string&)> changed, int typingLimit,
                         int width, int height, QWidget* parent)
    : QDialog(parent),
      changed_(std::move(changed)),
      accept_(new QPushButton(texts.acceptCaption, this)) {
  setFont(windowFont());
  setWindowTitle(texts.title);
  auto* field = new QLineEdit(this);
  field->setObjectName("entry");
  if (typingLimit > 0) field->setMaxLength(typingLimit);
  auto* label = new QLabel(texts.label, this);
  label->setBuddy(field);
  accept_->setObjectName("accept");
  accept_->setDefault(true);
  accept_->setEnabled(acceptEnabled);
  auto* cancel = new QPushButton(texts.cancelCaption, this);
  cancel->setObjectName("cancel");
  connect(field, &QLineEdit::textChanged, this,
          [this](const QString& text) { accept_->setEnabled(changed_(toRecordText(text))); });
  connect(accept_, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  // The dialog opens to be typed into: the cursor starts in the field, and Tab goes on to the
  // buttons in the order they stand.
  setTabOrder(field, accept_);
  setTabOrder(accept_, cancel);
  field->setFocus();

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(accept_);
  buttons->addWidget(cancel);
  auto* column = new QVBoxLayout(this);
  column->addWidget(label);
  column->addWidget(field);
  column->addStretch(1);
  column->addLayout(buttons);
  fixWindowSize(*this, width, height);
}

}  // namespace deadhold::ui
