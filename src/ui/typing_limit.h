#pragma once

#include <QValidator>

class QLineEdit;

namespace deadhold::ui {

// A typing limit that, like a classic edit field's, binds the user only: the program may show
// a longer text whole, the user may shorten it, but no change the user makes lengthens a text
// that is at or over the limit (such a keystroke or paste is refused). Installs itself on the
// field, which owns it.
class TypingLimit : public QValidator {
  Q_OBJECT

 public:
  TypingLimit(QLineEdit& field, int limit);

  // Shows a text of the program's own, whatever its length, without reporting a change.
  void showText(const QString& text);

  State validate(QString& input, int& position) const override;

 private:
  QLineEdit& field_;
  int limit_;
  mutable qsizetype acceptedLength_ = 0;
};

}  // namespace deadhold::ui
