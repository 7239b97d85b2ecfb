#pragma once

#include <QFocusEvent>
#include <QItemSelectionModel>

namespace deadhold::ui {

// A report list whose keyboard cursor starts nowhere: focus that arrives by Tab or with the
// window marks no row, so the first Down (or Up) highlights the first row, not the second.
template <class View>
class KeyboardList : public View {
 public:
  using View::View;

 protected:
  void focusInEvent(QFocusEvent* event) override {
    const bool hadCurrent = this->currentIndex().isValid();
    View::focusInEvent(event);
    if (!hadCurrent && this->selectionModel()) this->selectionModel()->clearCurrentIndex();
  }
};

}  // namespace deadhold::ui
