#include "notes_edit.h"

#include <QApplication>
#include <QKeyEvent>
#include <QSignalBlocker>
#include <QTextCursor>

#include "limited_line_edit.h"
#include "surface/record_text.h"

namespace deadhold::ui {

namespace {

// Line breaks count as the two characters they take in the record.
qsizetype storedLength(const QString& text) {
  return text.size() + text.count('\n');
}

}  // namespace

NotesEdit::NotesEdit(int limit, QWidget* parent) : QPlainTextEdit(parent), limit_(limit) {
  setTabChangesFocus(true);
  setLineWrapMode(QPlainTextEdit::WidgetWidth);
  connect(this, &QPlainTextEdit::textChanged, this, &NotesEdit::changed);
}

void NotesEdit::showText(const std::string& stored) {
  QString text = fromRecordText(stored);
  text.replace("\r\n", "\n");
  const QSignalBlocker blocker(this);
  accepted_ = text;
  if (toPlainText() != text) setPlainText(text);
}

std::string NotesEdit::storedText() const {
  QString text = toPlainText();
  text.replace('\n', "\r\n");
  return toRecordText(text);
}

void NotesEdit::keyPressEvent(QKeyEvent* event) {
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (enter && (event->modifiers() & Qt::ControlModifier)) {
    insertPlainText("\n");
    return;
  }
  if (enter) {
    event->ignore();
    return;
  }
  QPlainTextEdit::keyPressEvent(event);
}

void NotesEdit::changed() {
  const QString text = toPlainText();
  if (text == accepted_) return;
  int cursor = 0;
  const QString kept = limitEdit(accepted_, text, limit_, cursor, storedLength);
  if (kept != text) {
    QApplication::beep();
    const QSignalBlocker blocker(this);
    setPlainText(kept);
    QTextCursor position = textCursor();
    position.setPosition(cursor);
    setTextCursor(position);
  }
  if (kept == accepted_) return;
  accepted_ = kept;
  emit userChanged();
}

}  // namespace deadhold::ui
