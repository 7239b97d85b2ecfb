#include "printing/load_list_page.h"

#include <array>
#include <string>

#include "common/cformat.h"
#include "loads/load_cells.h"
#include "platform/fitted_text.h"
#include "printing/page_scale.h"
#include "printing/printing_texts.h"

namespace deadhold {

namespace {

const Pen kHeadingPen{PenStyle::Solid, 2, kBlack};
// Room kept free at the right of a value, so neighbouring columns stay apart (layout units).
constexpr int kColumnGap = 3;

struct ListColumn {
  const char* title;
  int width;  // layout units
  LoadCell cell;
};

constexpr std::array<ListColumn, 9> kColumns{{
    {"Caliber", 70, {LoadField::caliber}},
    {"Bullet Weight", 80, {LoadField::bulletWeight, LoadCell::kWhole, " grns"}},
    {"Mfg", 55, {LoadField::bulletMfg}},
    {"Type", 55, {LoadField::bulletType}},
    {"Powder Mfg", 70, {LoadField::powderMfg}},
    {"Type", 50, {LoadField::powderType}},
    {"Weight", 50, {LoadField::powderWeight, LoadCell::kWhole, " grns"}},
    {"Velocity", 60, {LoadField::avVelocity, LoadCell::kWhole, " fps"}},
    {"Group", 50, {LoadField::avGroup, 3, " in"}},
}};

}  // namespace

int loadListPageCount(int loadCount) {
  return loadCount <= 0 ? 0 : (loadCount + kLoadsPerListPage - 1) / kLoadsPerListPage;
}

void renderLoadListPage(Surface& surface, int s, LoadListPrintJob& job,
                        const LoadDatabase& database) {
  const SurfaceStateGuard guard(surface);
  const int left = scaled(10, s) + scaled(40, s);
  const int top = scaled(10, s);

  surface.setFont({"Verdana", scaled(14, s), 700});
  surface.drawText(left, top + scaled(20, s) + scaled(10, s), kLoadListHeading);
  const int headingLine = top + scaled(20, s) + scaled(12, s) + scaled(15, s);
  surface.setPen(kHeadingPen);
  surface.moveTo(left, headingLine);
  surface.lineTo(left + surface.measureText(kLoadListHeading).width, headingLine);

  surface.setFont({"Verdana", scaled(12, s), 400});
  const int pitch = surface.measureText(kLoadListHeading).height;
  std::array<int, kColumns.size()> columnX{};
  int next = left;
  for (std::size_t i = 0; i < kColumns.size(); ++i) {
    columnX[i] = next;
    next += scaled(kColumns[i].width, s);
  }

  const int first = database.indexOfLoad(job.nextLoad);
  int y = headingLine + scaled(12, s) + scaled(10, s);
  int index = first < 0 ? database.loadCount() : first;
  for (int drawn = 0; drawn < kLoadsPerListPage && index < database.loadCount(); ++drawn, ++index) {
    const LoadRecord& load = *database.loadAt(index);
    drawFittedText(surface, left, y, cformat("Load Name %s", load.loadName.str().c_str()),
                   next - left);
    for (std::size_t i = 0; i < kColumns.size(); ++i) {
      surface.drawText(columnX[i], y + pitch, kColumns[i].title);
      drawFittedText(surface, columnX[i], y + 2 * pitch, loadCellText(load, kColumns[i].cell),
                     scaled(kColumns[i].width - kColumnGap, s));
    }
    y += 4 * pitch;
  }
  job.nextLoad = database.loadAt(index);
}

}  // namespace deadhold
