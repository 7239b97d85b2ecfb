#pragma once

#include "engine/trajectory.h"
#include "platform/surface.h"

namespace deadhold {

// What the graph needs to know of the page besides the range table.
struct TrajectoryGraphFlags {
  bool resultsValid = false;   // the table holds the page's validated results
  bool inputsInvalid = false;  // the last validation failed: no path is drawn
};

// The layout of one drawing of the graph, worked out from the table and the font's metrics.
struct TrajectoryGraphGeometry {
  int top = 0;          // T: inches at the top edge, 1 to 5
  int columns = 0;      // N: 100-yard columns, 0 to 10
  int margin = 0;       // H: room for the inch labels left of the axis
  int inch = 0;         // m: height of one inch
  int height = 0;       // GH
  int columnWidth = 0;  // CW; 0 when there are no columns
};

// The trajectory graph: the band from T inches above the line of sight to T - 9 inches below
// it, over as many 100-yard columns as the path stays inside it, with a dotted grid, inch and
// yard labels, 25-yard ticks, the bold line of sight and the path in red. Draws with fonts and
// pens of its own and leaves the surface's as they were. Returns the rectangle it used.
//
// When the path starts at or below the bottom edge (a scope 4 inches or more over the bore),
// the columns are counted from where it first comes inside. With no row inside at all there
// are no columns: then only the frame, the inch grid and the axes are drawn.
Rect drawTrajectoryGraph(Surface& surface, const TrajectoryTable& table, TrajectoryGraphFlags flags,
                         int x0, int y0, double widthScale, double fontScale);

// The layout drawTrajectoryGraph uses, without drawing (it measures on the surface).
TrajectoryGraphGeometry trajectoryGraphGeometry(Surface& surface, const TrajectoryTable& table,
                                                TrajectoryGraphFlags flags, double widthScale,
                                                double fontScale);

}  // namespace deadhold
