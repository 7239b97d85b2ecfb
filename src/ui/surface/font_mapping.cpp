#include "surface/font_mapping.h"

#include <QFontMetrics>
#include <algorithm>
#include <cstdlib>

#include "surface/record_text.h"

namespace deadhold::ui {

QStringList familiesForFace(const std::string& face) {
  const QString name = fromRecordText(face);
  if (name.compare("Arial", Qt::CaseInsensitive) == 0)
    return {name, "Liberation Sans", "Arimo", "Helvetica"};
  if (name.compare("Verdana", Qt::CaseInsensitive) == 0)
    return {name, "DejaVu Sans", "Bitstream Vera Sans"};
  if (name.compare("MS Sans Serif", Qt::CaseInsensitive) == 0)
    return {name, "Microsoft Sans Serif", "Liberation Sans", "Arimo"};
  return {name, "Liberation Sans"};
}

namespace {

QFont withPixelSize(QFont font, int pixelSize) {
  font.setPixelSize(pixelSize);
  return font;
}

int cellHeightAt(const QFont& font, int pixelSize, const QPaintDevice* device) {
  const QFont sized = withPixelSize(font, pixelSize);
  // QFontMetrics::height() is ascent + descent, which is what a cell height means.
  return device ? QFontMetrics(sized, device).height() : QFontMetrics(sized).height();
}

}  // namespace

QFont qtFontFor(const Font& font, const QPaintDevice* device) {
  QFont qfont;
  qfont.setFamilies(familiesForFace(font.face));
  qfont.setWeight(static_cast<QFont::Weight>(std::clamp(font.weight / 10 * 10, 100, 900)));
  qfont.setStyleStrategy(QFont::PreferOutline);
  qfont.setKerning(false);
  const int wanted = std::max(1, std::abs(font.cellHeight));

  // Ascent plus descent grows in proportion to the pixel size; estimate from a large size,
  // then settle on the neighbour that realises the wanted height best.
  constexpr int kReference = 1000;
  const int referenceHeight = std::max(1, cellHeightAt(qfont, kReference, device));
  const int estimate =
      std::max(1, static_cast<int>(static_cast<long long>(wanted) * kReference / referenceHeight));
  int best = estimate;
  int bestError = std::abs(cellHeightAt(qfont, estimate, device) - wanted);
  for (int candidate : {estimate - 2, estimate - 1, estimate + 1, estimate + 2}) {
    if (candidate < 1 || bestError == 0) continue;
    const int error = std::abs(cellHeightAt(qfont, candidate, device) - wanted);
    // Ties go to the larger size: text then fills its cell rather than leaving it short.
    if (error < bestError || (error == bestError && candidate > best)) {
      best = candidate;
      bestError = error;
    }
  }
  qfont.setPixelSize(best);
  return qfont;
}

}  // namespace deadhold::ui
