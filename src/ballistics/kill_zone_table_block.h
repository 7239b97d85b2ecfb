#pragma once

#include "ballistics/ballistics_page.h"
#include "platform/surface.h"

namespace deadhold {

// The printout's "Deadhold Range Data": the sight-in distance and the maximum Deadhold range for
// kill zones of 4, 6, 8, 10 and 12 inches. Each row is a search on the page, ended by the page's
// Re-Compute; so the table rewrites the range table and must be drawn after every block that
// reads it. All five searches start from the inputs the page held when the table began (the
// ones the printout shows), even if the fields the Re-Computes read say otherwise. Draws with
// fonts and a pen of its own and leaves the surface's as they were. Returns the rectangle it
// used; its bottom is the y of the last row.
Rect drawKillZoneTable(Surface& surface, int x, int y, double scale, BallisticsPage& page);

}  // namespace deadhold
