#include "platform/fitted_text.h"

#include <algorithm>
#include <string>

namespace deadhold {

void drawFittedText(Surface& surface, int x, int y, std::string_view text, int maxWidth) {
  if (surface.measureText(text).width <= maxWidth) {
    surface.drawText(x, y, text);
    return;
  }
  const Font original = surface.font();
  Font smaller = original;
  const int smallest = std::max(1, original.cellHeight - original.cellHeight / 4);
  while (smaller.cellHeight > smallest) {
    --smaller.cellHeight;
    surface.setFont(smaller);
    if (surface.measureText(text).width <= maxWidth) break;
  }
  surface.setFont(smaller);
  // A smaller cell keeps its text centred on the row it stands for.
  const int shiftedY = y + (original.cellHeight - smaller.cellHeight) / 2;
  std::string shown(text);
  if (surface.measureText(shown).width > maxWidth) {
    // Binary search for the longest head that fits with the ellipsis.
    size_t fits = 0;
    size_t tooLong = shown.size();
    while (tooLong - fits > 1) {
      const size_t middle = (fits + tooLong) / 2;
      if (surface.measureText(shown.substr(0, middle) + "...").width <= maxWidth)
        fits = middle;
      else
        tooLong = middle;
    }
    shown = shown.substr(0, fits) + "...";
  }
  surface.drawText(x, shiftedY, shown);
  surface.setFont(original);
}

}  // namespace deadhold
