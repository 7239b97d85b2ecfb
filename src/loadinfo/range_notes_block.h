#pragma once

#include "loads/load_record.h"
#include "platform/surface.h"

namespace deadhold {

// The printout's "Range Notes": the title standing on the line at y, the load's notes below it,
// word by word. A line is broken before a word once it has run past 2.5 times the width of the
// title in the body font, so a line may end one word beyond that, but never past `rightEdge`
// (the edge of what the printer can print): a word that would end beyond it starts the next
// line, and one wider than a whole line is broken where it reaches the edge. Spaces, carriage
// returns and line feeds all just end a word. Without a load only the title and its line are
// drawn. Restores the surface's font and pen when done.
void drawRangeNotes(Surface& surface, int x, int y, double k, const LoadRecord* load,
                    int rightEdge);

}  // namespace deadhold
