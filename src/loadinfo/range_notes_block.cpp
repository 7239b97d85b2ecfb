#include "loadinfo/range_notes_block.h"

#include <string_view>

#include "common/numbers.h"

namespace deadhold {

namespace {

const Pen kLinePen{PenStyle::Solid, 2, kBlack};
constexpr double kWrapTitleWidths = 2.5;

bool endsWord(char c) {
  return c == ' ' || c == '\r' || c == '\n';
}

}  // namespace

void drawRangeNotes(Surface& surface, int x, int y, double k, const LoadRecord* load) {
  const SurfaceStateGuard guard(surface);
  const char* const title = "Range Notes";

  surface.setFont({"Arial", cutToInt(14 * k), 700});
  const TextSize titleSize = surface.measureText(title);
  surface.drawText(x, y - titleSize.height, title);
  surface.setPen(kLinePen);
  surface.moveTo(x, y);
  surface.lineTo(x + titleSize.width, y);
  if (!load) return;

  surface.setFont({"Arial", cutToInt(14 * k), 400});
  const int space = surface.measureText(" ").width;
  const TextSize bodyTitle = surface.measureText(title);
  const int wrapLimit = cutToInt(kWrapTitleWidths * bodyTitle.width);
  int lineHeight = bodyTitle.height;

  // Every separator ends a word, so two in a row make an empty word that still takes a space.
  const std::string_view notes = load->notes.view();
  int wordX = x;
  int wordY = y + cutToInt(2 * k);
  std::size_t wordStart = 0;
  for (std::size_t i = 0; i <= notes.size(); ++i) {
    if (i < notes.size() && !endsWord(notes[i])) continue;
    const std::string_view word = notes.substr(wordStart, i - wordStart);
    wordStart = i + 1;
    if (wordX - x > wrapLimit) {
      wordX = x;
      wordY += lineHeight;
    }
    const TextSize size = surface.measureText(word);
    if (!word.empty()) surface.drawText(wordX, wordY, word);
    lineHeight = size.height;
    wordX += size.width + space;
  }
}

}  // namespace deadhold
