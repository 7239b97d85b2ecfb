#pragma once

#include <QPlainTextEdit>
#include <string>

namespace deadhold::ui {

// The range notes: several lines, stored with CR LF line breaks, at most `limit` characters
// typed (a line break counts two, as stored). Enter is left to the dialog, which closes on it;
// Ctrl+Enter makes the new line.
class NotesEdit : public QPlainTextEdit {
  Q_OBJECT

 public:
  NotesEdit(int limit, QWidget* parent = nullptr);

  // The program's own write of a stored text: never cut, never reported as a change.
  void showText(const std::string& stored);
  // The text as the record stores it.
  std::string storedText() const;

 signals:
  void userChanged();

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void changed();

  int limit_;
  QString accepted_;
};

}  // namespace deadhold::ui
