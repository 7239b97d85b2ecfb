#pragma once

#include <string>
#include <string_view>

#include "loads/load_record.h"

namespace deadhold {

// The fields of a load that its lists show: the Open Load list, the printed load list and the
// command line's list.
enum class LoadField {
  caliber,
  loadName,
  bulletWeight,
  bulletMfg,
  bulletType,
  powderMfg,
  powderType,
  powderWeight,
  avVelocity,
  avGroup
};

// How one list shows a field. A number shows `decimals` (0 to 3) digits after the point as "%.Nf"
// does,
// or with kWhole, cut toward zero as "%d" shows a real number; then its unit. A text field shows
// as stored and takes neither.
struct LoadCell {
  static constexpr int kWhole = -1;
  LoadField field;
  int decimals = kWhole;
  std::string_view unit = {};
};

// Appends the cell's text of `load` to `out`, in the record's single bytes.
void appendLoadCell(std::string& out, const LoadRecord& load, const LoadCell& cell);
std::string loadCellText(const LoadRecord& load, const LoadCell& cell);

}  // namespace deadhold
