#pragma once

#include <QKeyEvent>
#include <QPushButton>
#include <QWidget>

namespace deadhold::ui {

// Enter or Return without modifiers (the keypad's Enter included) while the focus is not on a
// push button: the key that closes the load dialogs from a field, as their classic versions
// closed on it. On a push button Enter presses that button.
inline bool isEnterInAField(const QKeyEvent* event, const QWidget* focus) {
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
  return enter && modifiers == Qt::NoModifier && !qobject_cast<const QPushButton*>(focus);
}

}  // namespace deadhold::ui
