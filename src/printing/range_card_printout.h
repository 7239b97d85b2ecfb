#pragma once

#include "platform/dialogs.h"
#include "platform/print_target.h"
#include "platform/surface.h"
#include "rangecard/range_card.h"

namespace deadhold {

// The printed range card, one Letter page in the report's units and scale: the load and the
// conditions, the graph, and a table of come-ups and wind holds in the card's unit and clicks,
// velocity and energy. Rows that do not fit the page in two blocks side by side are thinned to
// every second, fifth, tenth, twentieth, 25th ... row, and the card says so.
void renderRangeCardPage(Surface& surface, double s, const RangeCard& card);

// The print dialog (a cancel prints nothing), then the page.
void printRangeCard(const RangeCard& card, Dialogs& dialogs);
bool printRangeCardOn(PrintTarget& printer, const RangeCard& card);

}  // namespace deadhold
