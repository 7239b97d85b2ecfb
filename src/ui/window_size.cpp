#include "window_size.h"

#include <QWidget>

#include "dialog_units.h"

namespace deadhold::ui {

void fixWindowSize(QWidget& window, int width, int height) {
  const DialogUnits units(window.font());
  const QSize wanted(units.x(width), units.y(height));
  window.setFixedSize(wanted.expandedTo(window.minimumSizeHint()));
}

}  // namespace deadhold::ui
