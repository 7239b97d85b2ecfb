#pragma once

#include <QAbstractItemView>
#include <QApplication>
#include <QTimer>
#include <QtTest>
#include <functional>

namespace deadhold::testing {

// Runs `step` on the next modal window of the given type once it is open: schedule it before
// the click that opens the window.
template <typename Window>
void onNextModal(std::function<void(Window&)> step) {
  QTimer::singleShot(0, [step] {
    QTRY_VERIFY(qobject_cast<Window*>(QApplication::activeModalWidget()));
    step(*qobject_cast<Window*>(QApplication::activeModalWidget()));
  });
}

// The middle of a list row's first cell in the coordinates of the list's viewport.
inline QPoint rowCentre(const QAbstractItemView& list, int row) {
  return list.visualRect(list.model()->index(row, 0)).center();
}

}  // namespace deadhold::testing
