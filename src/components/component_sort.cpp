#include "components/component_sort.h"

#include "common/cformat.h"
#include "common/folded_sort.h"
#include "common/numbers.h"

namespace deadhold {

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
  sortByFoldedKey(list, [](const BulletEntry& entry, std::string& keys) {
    keys += bulletSortKey(entry);
  });
}

void sortPowders(PowderList& list) {
  sortByFoldedKey(list, [](const PowderEntry& entry, std::string& keys) {
    keys += powderSortKey(entry);
  });
}

void sortPrimers(PrimerList& list) {
  sortByFoldedKey(list, [](const PrimerEntry& entry, std::string& keys) {
    keys += primerSortKey(entry);
  });
}

}  // namespace deadhold
