#pragma once

#include <array>
#include <string>

namespace deadhold {

// One line of BULLETS.TXT: every field as written in the file, at most 63 characters each.
struct BulletEntry {
  std::string manufacturer;
  std::string caliber;
  std::string weight;
  std::string type;
  std::string ballisticCoeff;
  std::string sectionalDensity;

  // The fields in file order, which is also the order of the selection list's columns.
  std::array<const std::string*, 6> fields() const {
    return {&manufacturer, &caliber, &weight, &type, &ballisticCoeff, &sectionalDensity};
  }
  std::array<std::string*, 6> fields() {
    return {&manufacturer, &caliber, &weight, &type, &ballisticCoeff, &sectionalDensity};
  }
  friend bool operator==(const BulletEntry&, const BulletEntry&) = default;
};

}  // namespace deadhold
