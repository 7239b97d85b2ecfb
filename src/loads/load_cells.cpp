#include "loads/load_cells.h"

#include <array>
#include <charconv>

#include "common/fixed_notation.h"
#include "common/numbers.h"

namespace deadhold {
namespace {

void appendNumber(std::string& out, float value, const LoadCell& cell) {
  if (cell.decimals == LoadCell::kWhole) {
    std::array<char, 16> digits;
    const auto end =
        std::to_chars(digits.data(), digits.data() + digits.size(), cutToInt(value)).ptr;
    out.append(digits.data(), end);
  } else {
    std::array<char, kFixedTextCapacity> digits;
    out.append(digits.data(), writeFixed(digits.data(), static_cast<double>(value), cell.decimals));
  }
  out.append(cell.unit);
}

}  // namespace

void appendLoadCell(std::string& out, const LoadRecord& load, const LoadCell& cell) {
  switch (cell.field) {
    case LoadField::caliber: out.append(load.caliber.view()); break;
    case LoadField::loadName: out.append(load.loadName.view()); break;
    case LoadField::bulletWeight: appendNumber(out, load.bulletWeight, cell); break;
    case LoadField::bulletMfg: out.append(load.bulletMfg.view()); break;
    case LoadField::bulletType: out.append(load.bulletType.view()); break;
    case LoadField::powderMfg: out.append(load.powderMfg.view()); break;
    case LoadField::powderType: out.append(load.powderType.view()); break;
    case LoadField::powderWeight: appendNumber(out, load.powderWeight, cell); break;
    case LoadField::avVelocity: appendNumber(out, load.avVelocity, cell); break;
    case LoadField::avGroup: appendNumber(out, load.avGroup, cell); break;
  }
}

std::string loadCellText(const LoadRecord& load, const LoadCell& cell) {
  std::string text;
  appendLoadCell(text, load, cell);
  return text;
}

}  // namespace deadhold
