#pragma once

#include <QLineEdit>

namespace deadhold::ui {

// A field that takes at most `limit` typed characters (0: no limit), as the classic edit
// control's text limit did: what the program puts in is shown whole, however long, and typing
// may shorten such a text but never lengthen it. A paste is cut to what still fits.
class LimitedLineEdit : public QLineEdit {
  Q_OBJECT

 public:
  explicit LimitedLineEdit(int limit, QWidget* parent = nullptr);

  // The program's own write: never cut, never reported as a change.
  void showText(const QString& text);

 signals:
  // The user changed the text (every keystroke), after the limit was applied.
  void userChanged(const QString& text);

 private:
  void edited(const QString& text);

  int limit_;
  QString accepted_;
};

// How many characters a text counts against a limit.
using TextLength = qsizetype (*)(const QString& text);
inline qsizetype plainLength(const QString& text) {
  return text.size();
}

// Cuts an edit that took a text over `limit` back to what fits: the characters the user put in
// place of old ones are shortened, the rest of the old text stays. A text that is over the limit
// already may shrink but not grow. Returns the text to keep and, in `cursor`, where the cursor
// belongs.
QString limitEdit(const QString& before, const QString& after, qsizetype limit, int& cursor,
                  TextLength length = plainLength);

}  // namespace deadhold::ui
