#include "typing_limit.h"

#include <QLineEdit>
#include <QSignalBlocker>

namespace deadhold::ui {

TypingLimit::TypingLimit(QLineEdit& field, int limit)
    : QValidator(&field), field_(field), limit_(limit), acceptedLength_(field.text().size()) {
  field.setValidator(this);
}

void TypingLimit::showText(const QString& text) {
  acceptedLength_ = text.size();
  const QSignalBlocker blocker(field_);
  field_.setText(text);
  field_.setCursorPosition(0);
}

QValidator::State TypingLimit::validate(QString& input, int&) const {
  if (input.size() > limit_ && input.size() > acceptedLength_) return Invalid;
  acceptedLength_ = input.size();
  return Acceptable;
}

}  // namespace deadhold::ui
