#pragma once

#include <QDialog>
#include <functional>
#include <string>

class QPushButton;

namespace deadhold::ui {

// The words of a dialog that asks for one value.
struct EntryWindowTexts {
  const char* title;
  const char* label;
  const char* acceptCaption;
  const char* cancelCaption;
};

// A dialog that asks for one value on its model: a label, a field, a default button that is
// enabled while the model takes the text, and a cancel button (Escape and the close box cancel
// too). The field starts empty, so a typing limit can never cut a text of the program's.
class EntryWindow : public QDialog {
  Q_OBJECT

 public:
  // `changed` hands every change of the field to the model and answers whether the accept
  // button is enabled now; `acceptEnabled` is its state at opening. A `typingLimit` of 0 means
  // none. `width` by `height` layout units.
  EntryWindow(const EntryWindowTexts& texts, bool acceptEnabled,
              std::function<bool(const std::string&)> changed, int typingLimit, int width,
              int height, QWidget* parent = nullptr);

 private:
  std::function<bool(const std::string&)> changed_;
  QPushButton* accept_;
};

}  // namespace deadhold::ui
