#pragma once

#include "loads/load_database.h"
#include "platform/surface.h"

namespace deadhold {

inline constexpr int kLoadsPerListPage = 14;

// A print request for the load list: every load of the book, in list order, 14 to a page.
// nextLoad is the first load of the page to be drawn, none after the last page.
struct LoadListPrintJob {
  const LoadRecord* nextLoad = nullptr;
};

// ceil(loads / 14); an empty book has no page.
int loadListPageCount(int loadCount);

// Draws one page of the list, from job.nextLoad onward, at most 14 loads: the program's heading,
// then per load its name, the nine column titles and the load's values. Afterwards nextLoad is
// the load that follows the page's last, or none.
void renderLoadListPage(Surface& surface, int s, LoadListPrintJob& job,
                        const LoadDatabase& database);

}  // namespace deadhold
