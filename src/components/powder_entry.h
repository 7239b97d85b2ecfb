#pragma once

#include <array>
#include <string>

namespace deadhold {

// One line of POWDERS.TXT: every field as written in the file, at most 63 characters each.
struct PowderEntry {
  std::string manufacturer;
  std::string type;
  std::string lotNumber;

  // The fields in file order, which is also the order of the selection list's columns.
  std::array<const std::string*, 3> fields() const { return {&manufacturer, &type, &lotNumber}; }
  std::array<std::string*, 3> fields() { return {&manufacturer, &type, &lotNumber}; }
  friend bool operator==(const PowderEntry&, const PowderEntry&) = default;
};

}  // namespace deadhold
