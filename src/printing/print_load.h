#pragma once

#include "ballistics/ballistics_page.h"
#include "loads/load_database.h"
#include "platform/dialogs.h"

namespace deadhold {

// The Load Information "&Print": hands the current load to the Ballistics Calculator page (which
// recomputes from it at its next paint, as after a tab change) and prints the full report when
// its ballistic values are in range. Otherwise it asks whether to print the load alone: OK
// prints the load-only report, Cancel has the page list the invalid values and prints nothing.
// Without a current load nothing happens.
void printLoad(BallisticsPage& page, LoadDatabase& database, Dialogs& dialogs);

// The first step of printLoad on its own: the load's seven inputs and its description to the
// page, and the page's recompute request.
void handOverLoadForPrinting(BallisticsPage& page, const LoadRecord& load);

}  // namespace deadhold
