#include "components/component_sort.h"

#include <algorithm>
#include <utility>

#include "common/cformat.h"
#include "common/folded_compare.h"
#include "common/numbers.h"

namespace deadhold {
namespace {

// Each key is built once; the stable sort then gives the order of the exchange-adjacent-pairs
// method the catalogues have always been sorted by.
template <class Entry, class KeyOf>
void sortByFoldedKey(ComponentList<Entry>& list, KeyOf keyOf) {
  std::vector<std::pair<std::string, std::size_t>> keys;
  keys.reserve(list.size());
  for (std::size_t i = 0; i < list.size(); ++i) keys.emplace_back(keyOf(list[i]), i);
  std::stable_sort(keys.begin(), keys.end(), [](const auto& a, const auto& b) {
    return compareFolded(a.first, b.first) < 0;
  });
  ComponentList<Entry> sorted;
  sorted.reserve(list.size());
  for (const auto& key : keys) sorted.push_back(std::move(list[key.second]));
  list = std::move(sorted);
}

}  // namespace

std::string bulletSortKey(const BulletEntry& entry) {
  return cformat("%s %s %03d %s %s %s", entry.manufacturer.c_str(), entry.caliber.c_str(),
                 parseWholeNumber(entry.weight), entry.type.c_str(), entry.ballisticCoeff.c_str(),
                 entry.sectionalDensity.c_str());
}

std::string powderSortKey(const PowderEntry& entry) {
  return cformat("%s %s %s", entry.manufacturer.c_str(), entry.type.c_str(),
                 entry.lotNumber.c_str());
}

std::string primerSortKey(const PrimerEntry& entry) {
  return cformat("%s %ss", entry.manufacturer.c_str(), entry.type.c_str());
}

void sortBullets(BulletList& list) {
  sortByFoldedKey(list, bulletSortKey);
}
void sortPowders(PowderList& list) {
  sortByFoldedKey(list, powderSortKey);
}
void sortPrimers(PrimerList& list) {
  sortByFoldedKey(list, primerSortKey);
}

}  // namespace deadhold
