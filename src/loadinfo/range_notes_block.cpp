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

void drawRangeNotes(Surface& surface, int x, int y, double k, const LoadRecord* load,
                    int rightEdge) {
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
  const auto newLine = [&] {
    wordX = x;
    wordY += lineHeight;
  };
  std::size_t wordStart = 0;
  for (std::size_t i = 0; i <= notes.size(); ++i) {
    if (i < notes.size() && !endsWord(notes[i])) continue;
    std::string_view word = notes.substr(wordStart, i - wordStart);
    wordStart = i + 1;
    TextSize size = surface.measureText(word);
    // Past the wrap limit, or where the word would run off the sheet, the line ends.
    if (wordX - x > wrapLimit || (wordX > x && wordX + size.width > rightEdge)) newLine();
    // A word wider than a whole line goes on in pieces that each fit one.
    while (word.size() > 1 && wordX + size.width > rightEdge) {
      std::size_t fits = word.size() - 1;
      while (fits > 1 && wordX + surface.measureText(word.substr(0, fits)).width > rightEdge)
        --fits;
      surface.drawText(wordX, wordY, word.substr(0, fits));
      lineHeight = size.height;
      newLine();
      word.remove_prefix(fits);
      size = surface.measureText(word);
    }
    if (!word.empty()) surface.drawText(wordX, wordY, word);
    lineHeight = size.height;
    wordX += size.width + space;
  }
}

}  // namespace deadhold
