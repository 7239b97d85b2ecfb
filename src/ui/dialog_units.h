#pragma once

#include <QFont>
#include <QRect>

namespace deadhold::ui {

// The font of the program's windows: "MS Sans Serif" at 8 points, a 13-pixel cell on a 96-dpi
// screen, through the face that stands in for it.
QFont windowFont();

// Layout units of a window font, the classic dialog units: horizontally a quarter of the
// font's average character width, vertically an eighth of its height.
class DialogUnits {
 public:
  explicit DialogUnits(const QFont& font);

  int x(int units) const;
  int y(int units) const;
  QRect rect(int left, int top, int width, int height) const;

 private:
  int baseX_;
  int baseY_;
};

}  // namespace deadhold::ui
