#pragma once

#include "loads/load_record.h"
#include "platform/surface.h"

namespace deadhold {

// Where the load data block ended up: the printed page puts the target and the range notes
// level with its first shot row, to the right of it, and the footer below it.
struct LoadBlockExtent {
  int top = 0;
  int firstShotRow = 0;
  int right = 0;
  int bottom = 0;
  friend bool operator==(const LoadBlockExtent&, const LoadBlockExtent&) = default;
};

// The printout's "Cartridge Load Information": a header line (name, date, lot), four columns of
// labelled values, and "Shot String Data" with all ten shots, placed or not. Without a load the
// labels stand alone and each shot row shows only its number. The header line ends where the
// last column's values end, or at `rightEdge` (the edge of what the printer can print) if that
// comes first: a load name too long for it is fitted like the values. Lengths given in units of
// k are cut to whole units term by term. Restores the surface's font and pen when done.
LoadBlockExtent drawLoadBlock(Surface& surface, int x, int y, double k, const LoadRecord* load,
                              int rightEdge);

}  // namespace deadhold
