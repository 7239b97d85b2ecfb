#include "limited_line_edit.h"

#include <QApplication>
#include <QSignalBlocker>
#include <algorithm>

namespace deadhold::ui {

QString limitEdit(const QString& before, const QString& after, qsizetype limit, int& cursor,
                  TextLength length) {
  cursor = static_cast<int>(after.size());
  if (limit <= 0 || length(after) <= limit || length(after) <= length(before)) return after;
  // The edit replaced the middle of the old text: find the common ends.
  const qsizetype shorter = std::min(before.size(), after.size());
  qsizetype prefix = 0;
  while (prefix < shorter && before[prefix] == after[prefix]) ++prefix;
  qsizetype suffix = 0;
  while (suffix < shorter - prefix &&
         before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix])
    ++suffix;
  const QString kept = before.left(prefix) + before.right(suffix);
  const qsizetype room = limit - length(kept);
  QString inserted = after.mid(prefix, after.size() - prefix - suffix);
  while (!inserted.isEmpty() && length(inserted) > room) inserted.chop(1);
  cursor = static_cast<int>(prefix + inserted.size());
  return before.left(prefix) + inserted + before.right(suffix);
}

LimitedLineEdit::LimitedLineEdit(int limit, QWidget* parent) : QLineEdit(parent), limit_(limit) {
  connect(this, &QLineEdit::textEdited, this, &LimitedLineEdit::edited);
}

void LimitedLineEdit::showText(const QString& text) {
  const QSignalBlocker blocker(this);
  accepted_ = text;
  if (this->text() != text) {
    // A refresh while the user types (a character the record cannot hold comes back as '?')
    // must not throw the cursor to the start of the field.
    const int cursor = hasFocus() ? std::min(cursorPosition(), static_cast<int>(text.size())) : 0;
    setText(text);
    setCursorPosition(cursor);
  }
}

void LimitedLineEdit::edited(const QString& text) {
  int cursor = 0;
  const QString kept = limitEdit(accepted_, text, limit_, cursor);
  if (kept != text) {
    QApplication::beep();
    const QSignalBlocker blocker(this);
    setText(kept);
    setCursorPosition(cursor);
  }
  if (kept == accepted_) return;
  accepted_ = kept;
  emit userChanged(kept);
}

}  // namespace deadhold::ui
