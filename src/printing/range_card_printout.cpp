#include "printing/range_card_printout.h"

#include <algorithm>
#include <array>
#include <string>

#include "common/cformat.h"
#include "printing/page_scale.h"
#include "printing/print_document.h"
#include "printing/printing_texts.h"
#include "rangecard/range_card_cells.h"
#include "rangecard/range_card_graph.h"

namespace deadhold {

namespace {

constexpr int kColumns = 7;
constexpr int kColumnWidth = 36;  // units
constexpr int kBlockGap = 28;     // units between the two blocks of rows
constexpr int kGraphHeight = 170;
constexpr int kFooterHeight = 40;

struct Column {
  const char* heading;
  std::string unit;
};

// The table's columns: what to dial and hold, then velocity and energy.
std::array<Column, kColumns> columns(ClickUnit unit) {
  const std::string angle = unit == ClickUnit::Mil ? "MIL" : "MOA";
  return {{{"Range", "yd"},
           {"Come-up", angle},
           {"Clicks", "U/D"},
           {"Wind", angle},
           {"Clicks", "L/R"},
           {"Velocity", "ft/s"},
           {"Energy", "ft-lb"}}};
}

std::array<std::string, kColumns> cells(const PointMassRow& row, const RangeCardValues& v) {
  const double path = angleIn(v.clickUnit, row.path, row.range);
  const double wind = angleIn(v.clickUnit, row.windage, row.range);
  return {fixedNumber(row.range, 0),          elevationCorrection(path, v.clickUnit),
          elevationClicks(path, v.clickSize), windageCorrection(wind, v.clickUnit),
          windageClicks(wind, v.clickSize),   fixedNumber(row.velocity, 0),
          fixedNumber(row.energy, 0)};
}

void centred(Surface& surface, int left, int width, int y, const std::string& text) {
  surface.drawText(left + width / 2 - surface.measureText(text).width / 2, y, text);
}

// Draws the rows from `top` down to `bottom` in one or two blocks; returns the y below them.
int drawTable(Surface& surface, double s, const RangeCard& card, int left, int top, int bottom) {
  const auto heads = columns(card.values.clickUnit);
  const int width = scaled(kColumnWidth, s);
  surface.setFont({"Arial", scaled(9, s), 400});
  const int line = surface.measureText("0").height;
  const int perBlock = std::max(1, (bottom - top) / line - 3);
  const std::vector<PointMassRow>& rows = card.table.rows;
  const int count = static_cast<int>(rows.size());
  // Every row, or every second, fifth, tenth ... so that the rows left stay round.
  const int needed = (count + 2 * perBlock - 1) / (2 * perBlock);
  int stride = 1;
  for (int round : {1, 2, 5, 10, 20, 25, 50, 100, 200, 250, 500, 1000, 2000}) {
    stride = round;
    if (round >= needed) break;
  }
  int y = top;
  if (stride > 1) {
    const std::string note =
        cformat("A row every %s yd: the table's rows every %s yd do not fit one page.",
                shortNumber(card.values.rangeStep * stride, 0).c_str(),
                shortNumber(card.values.rangeStep, 0).c_str());
    surface.drawText(left, y, note);
    y += line;
  }
  const int shown = (count + stride - 1) / stride;
  const int blocks = shown > perBlock ? 2 : 1;
  const int blockRows = (shown + blocks - 1) / blocks;
  int lowest = y;
  for (int block = 0; block < blocks; ++block) {
    const int x = left + block * (kColumns * width + scaled(kBlockGap, s));
    surface.setFont({"Arial", scaled(9, s), 700});
    for (int c = 0; c < kColumns; ++c) {
      centred(surface, x + c * width, width, y, heads[c].heading);
      centred(surface, x + c * width, width, y + line, heads[c].unit);
    }
    const int rule = y + 2 * line + line / 8;
    surface.moveTo(x, rule);
    surface.lineTo(x + kColumns * width, rule);
    surface.setFont({"Arial", scaled(9, s), 400});
    int rowY = y + 2 * line + line / 4;
    for (int i = block * blockRows; i < std::min(shown, (block + 1) * blockRows); ++i) {
      const auto texts = cells(rows[static_cast<std::size_t>(i * stride)], card.values);
      for (int c = 0; c < kColumns; ++c) centred(surface, x + c * width, width, rowY, texts[c]);
      rowY += line;
    }
    lowest = std::max(lowest, rowY);
  }
  return lowest;
}

}  // namespace

void renderRangeCardPage(Surface& surface, double s, const RangeCard& card) {
  const SurfaceStateGuard guard(surface);
  const int left = scaled(10, s) + scaled(40, s);
  const int right = left + scaled(532, s);
  const int top = scaled(10, s);
  const int footer = top + scaled(792 - 20 - kFooterHeight, s);
  surface.setPen({PenStyle::Solid, std::max(1, scaled(1, s)), kBlack});

  int y = top + scaled(20, s);
  surface.setFont({"Verdana", scaled(16, s), 700});
  surface.drawText(left, y, "Range Card");
  y += surface.measureText("Range Card").height + scaled(4, s);
  surface.setFont({"Verdana", scaled(12, s), 700});
  surface.drawText(left, y, card.label);
  y += surface.measureText(card.label).height + scaled(2, s);
  surface.setFont({"Verdana", scaled(10, s), 400});
  std::vector<std::string> lines = rangeCardConditions(card.values);
  for (const std::string& note : rangeCardNotes(card)) lines.push_back(note);
  for (const std::string& text : lines) {
    surface.drawText(left, y, text);
    y += surface.measureText(text).height;
  }

  const Rect graph{left, y + scaled(6, s), right, y + scaled(6, s) + scaled(kGraphHeight, s)};
  drawRangeCardGraph(surface, graph, card.table.rows, 0.8 * s);
  surface.setPen({PenStyle::Solid, std::max(1, scaled(1, s)), kBlack});
  drawTable(surface, s, card, left, graph.bottom + scaled(10, s), footer);

  surface.setFont({"Verdana", scaled(8, s), 400});
  surface.drawText(left, footer, kReferenceAirNote);
  const int footerY = footer + surface.measureText(kReferenceAirNote).height + scaled(4, s);
  surface.setFont({"Verdana", scaled(11, s), 700});
  surface.setPen({PenStyle::Solid, 2, kBlack});
  surface.drawText(left, footerY, kReportFooter);
  const int underline = footerY + scaled(11, s);
  surface.moveTo(left, underline);
  surface.lineTo(left + surface.measureText(kReportFooter).width, underline);
}

bool printRangeCardOn(PrintTarget& printer, const RangeCard& card) {
  const double s = reportScale(printer.printableWidth(), printer.printableHeight());
  return printDocument(printer, 1,
                       [&](Surface& surface) { renderRangeCardPage(surface, s, card); });
}

void printRangeCard(const RangeCard& card, Dialogs& dialogs) {
  const auto printer = dialogs.choosePrinter();
  if (printer) printRangeCardOn(*printer, card);
}

}  // namespace deadhold
