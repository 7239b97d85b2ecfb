#include "computed_page_widget.h"

#include <QKeyEvent>
#include <QMetaObject>

namespace deadhold::ui {

bool ComputedPageWidget::readyToPaint() {
  if (!computationPending()) return true;
  if (!computeQueued_) {
    computeQueued_ = true;
    QMetaObject::invokeMethod(this, [this] { computeForPaint(); }, Qt::QueuedConnection);
  }
  return false;
}

void ComputedPageWidget::computeForPaint() {
  computeQueued_ = false;
  runPendingComputation();
  showState();
}

void ComputedPageWidget::showEvent(QShowEvent* event) {
  showState();
  QWidget::showEvent(event);
}

void ComputedPageWidget::keyPressEvent(QKeyEvent* event) {
  const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
  if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
      modifiers == Qt::NoModifier) {
    enterPressed();
    return;
  }
  QWidget::keyPressEvent(event);
}

}  // namespace deadhold::ui
