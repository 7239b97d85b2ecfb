#include "dialog_units.h"

#include <QFontMetrics>

#include "surface/font_mapping.h"

namespace deadhold::ui {

QFont windowFont() {
  return qtFontFor({"MS Sans Serif", 13, 400}, nullptr);
}

namespace {

// Rounded like the classic integer multiply-then-divide.
int scaled(int units, int base, int divisor) {
  return (units * base * 2 + divisor) / (2 * divisor);
}

}  // namespace

DialogUnits::DialogUnits(const QFont& font) {
  const QFontMetrics metrics(font);
  const int alphabet =
      metrics.horizontalAdvance("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
  baseX_ = (alphabet / 26 + 1) / 2;
  baseY_ = metrics.height();
}

int DialogUnits::x(int units) const {
  return scaled(units, baseX_, 4);
}

int DialogUnits::y(int units) const {
  return scaled(units, baseY_, 8);
}

QRect DialogUnits::rect(int left, int top, int width, int height) const {
  // Corners are mapped, as the classic layouts map them.
  return QRect(QPoint(x(left), y(top)), QPoint(x(left + width) - 1, y(top + height) - 1));
}

}  // namespace deadhold::ui
