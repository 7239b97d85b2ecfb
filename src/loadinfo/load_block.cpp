#include "loadinfo/load_block.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "common/cformat.h"
#include "common/numbers.h"
#include "loads/load_rules.h"
#include "platform/fitted_text.h"

namespace deadhold {

namespace {

const Pen kLinePen{PenStyle::Solid, 2, kBlack};

// One of the four label-and-value columns; its widest label sets where the values start.
struct LabelColumn {
  std::vector<const char*> labels;
  std::vector<std::string> values;  // empty without a load
};

std::array<LabelColumn, 4> labelColumns(const LoadRecord* load) {
  std::array<LabelColumn, 4> columns{{
      {{"Bullet Mfg:", "Bullet Type:", "Bullet Caliber:", "Bullet Weight:", "Ballistic Coeff:"},
       {}},
      {{"Powder Mfg:", "Powder Type:", "Powder Weight:", "Powder Lot #:"}, {}},
      {{"Primer Mfg:", "Primer Size:", "Primer Type:", "Primer Lot #:", "Case Mfg:",
        "Case Length:"},
       {}},
      {{"Cartridge OAL:", "Comparator OAL:", "Av. Group size:", "Av. Velocity:", "Moly Coated:",
        "Crimped:"},
       {}},
  }};
  if (!load) return columns;
  columns[0].values = {load->bulletMfg.str(), load->bulletType.str(), load->caliber.str(),
                       cformat("%.0f", load->bulletWeight), cformat("%.3f", load->ballisticCoeff)};
  columns[1].values = {load->powderMfg.str(), load->powderType.str(),
                       cformat("%.1f", load->powderWeight), load->powderLot.str()};
  columns[2].values = {load->primerMfg.str(),  load->primerSize.str(),
                       load->primerType.str(), load->primerLot.str(),
                       load->caseMfg.str(),    cformat("%.03f", load->caseLength)};
  columns[3].values = {cformat("%.03f", load->cartridgeOal), cformat("%.03f", load->comparatorOal),
                       cformat("%.03f", load->avGroup),      cformat("%.0f", load->avVelocity),
                       flagReportText(load->moly),           flagReportText(load->crimp)};
  return columns;
}

// The header line's three texts. Without a load the last one reads "Mfg Lot #", as it always
// has on a page printed with no load.
std::array<std::string, 3> headerTexts(const LoadRecord* load) {
  if (!load) return {"Load Name: ", "Mfg Date: ", "Mfg Lot #"};
  return {cformat("Load Name: %s", load->loadName.str().c_str()),
          cformat("Mfg Date: %s", load->mfgDate.str().c_str()),
          cformat("Mfg Lot #: %s", load->cartridgeLot.str().c_str())};
}

}  // namespace

LoadBlockExtent drawLoadBlock(Surface& surface, int x, int y, double k, const LoadRecord* load,
                              int rightEdge) {
  const SurfaceStateGuard guard(surface);
  const Font titleFont{"Arial", cutToInt(14 * k), 700};
  const Font bodyFont{"Arial", cutToInt(12 * k), 400};
  const auto width = [&surface](const std::string& text) {
    return surface.measureText(text).width;
  };

  surface.setFont(bodyFont);
  const int space = width(" ");
  const int labelHeight = surface.measureText("Ballistic Coeff:").height;
  const int row = labelHeight + labelHeight / 8;
  const int columnGap = width("1234567890123456");

  surface.setFont(titleFont);
  const char* const title = "Cartridge Load Information";
  const TextSize titleSize = surface.measureText(title);
  surface.drawText(x, y, title);
  surface.setPen(kLinePen);
  surface.moveTo(x, y + titleSize.height);
  surface.lineTo(x + titleSize.width, y + titleSize.height);

  surface.setFont(bodyFont);
  // Values start after the column's widest label as measured ("Case Length:" is wider than
  // "Primer Lot #:" in Arial), and are fitted so they never run into the next column.
  const std::array<LabelColumn, 4> columns = labelColumns(load);
  std::array<int, 4> valueXs{};
  int labelX = x;
  for (std::size_t c = 0; c < columns.size(); ++c) {
    int widestLabel = 0;
    for (const char* label : columns[c].labels) widestLabel = std::max(widestLabel, width(label));
    valueXs[c] = labelX + widestLabel + space;
    labelX = valueXs[c] + columnGap;
  }

  // A long load name is fitted like the values, and the date and lot follow it.
  const int y0 = y + titleSize.height + cutToInt(2 * k);
  const std::array<std::string, 3> header = headerTexts(load);
  const int gap = cutToInt(20 * k);
  const int headerEnd = std::min(labelX - space, rightEdge);
  const int nameRoom = headerEnd - x - gap - width(header[1]) - gap - width(header[2]);
  int headerX = x + std::min(width(header[0]), nameRoom) + gap;
  drawFittedText(surface, x, y0, header[0], nameRoom);
  surface.drawText(headerX, y0, header[1]);
  surface.drawText(headerX + width(header[1]) + gap, y0, header[2]);

  labelX = x;
  for (std::size_t c = 0; c < columns.size(); ++c) {
    const LabelColumn& column = columns[c];
    for (std::size_t i = 0; i < column.labels.size(); ++i) {
      const int lineY = y0 + row + static_cast<int>(i) * row;
      surface.drawText(labelX, lineY, column.labels[i]);
      if (i < column.values.size())
        drawFittedText(surface, valueXs[c], lineY, column.values[i], columnGap - space);
    }
    labelX = valueXs[c] + columnGap;
  }

  surface.setFont(titleFont);
  const int shotTitleY = y0 + 7 * row;
  surface.drawText(x, shotTitleY, "Shot String Data");
  const int shotTitleHeight = surface.measureText("Shot String Data").height;
  const int shotRow = shotTitleHeight + shotTitleHeight / 8;

  surface.setFont(bodyFont);
  const int headerY = shotTitleY + shotRow;
  const int t = cutToInt(10 * k);
  const int xDistX = x + width("#88)") + t;
  const int yDistX = xDistX + width("X Dist:") + t;
  const int radiusX = yDistX + width("X Dist:") + t;
  const int velocityX = radiusX + width("Radius:") + t;
  surface.drawText(x, headerY, "#");
  surface.drawText(xDistX, headerY, "X Dist");
  surface.drawText(yDistX, headerY, "Y Dist");
  surface.drawText(radiusX, headerY, "Radius");
  surface.drawText(velocityX, headerY, "Velocity");
  const int lineY = headerY + shotRow;
  surface.moveTo(x, lineY);
  surface.lineTo(velocityX + width("Velocity:") + t, lineY);

  const int firstShotRow = lineY + cutToInt(2 * k);
  for (int n = 1; n <= kShotCount; ++n) {
    const int shotY = firstShotRow + (n - 1) * shotRow;
    surface.drawText(x, shotY, cformat("#%2i) ", n));
    if (!load) continue;
    const ShotRecord& shot = load->shots[static_cast<std::size_t>(n - 1)];
    surface.drawText(xDistX, shotY, cformat("%6.03f ", shot.shotX));
    surface.drawText(yDistX, shotY, cformat("%6.03f ", shot.shotY));
    surface.drawText(radiusX, shotY, cformat("%6.03f ", shot.shotRadius));
    surface.drawText(velocityX, shotY, cformat("%6.0f", shot.shotVelocity));
  }
  return {y, firstShotRow, velocityX + width("Velocity:"), firstShotRow + kShotCount * shotRow};
}

}  // namespace deadhold
