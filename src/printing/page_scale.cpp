#include "printing/page_scale.h"

#include <algorithm>

#include "common/numbers.h"

namespace deadhold {

double reportScale(int printableWidth, int printableHeight) {
  const double scale = std::min(static_cast<double>(printableWidth) / kSheetWidth,
                                static_cast<double>(printableHeight) / kSheetHeight);
  return scale < 1 ? 1 : scale;
}

int loadListScale(int printableWidth, int printableHeight) {
  const int scale = std::min(printableWidth / kSheetWidth, printableHeight / kSheetHeight);
  return scale < 1 ? 1 : scale;
}

int scaled(double units, double scale) {
  return cutToInt(units * scale);
}

}  // namespace deadhold
