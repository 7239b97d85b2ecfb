#pragma once

#include <string>

#include "components/component_list.h"

namespace deadhold {

// The texts the catalogues are ordered by, built in full whatever the field lengths.
// Bullets: maker, caliber, weight as a whole number of at least three digits (so 55 sorts
// before 150, but 1000 before 999), type, coefficient, sectional density.
std::string bulletSortKey(const BulletEntry& entry);
std::string powderSortKey(const PowderEntry& entry);
// The maker, a space, the type and a trailing "s": "200 Mags" sorts before "200s". The lot
// number takes no part.
std::string primerSortKey(const PrimerEntry& entry);

// Ascending by key with A-Z folded to a-z; entries with equal keys keep their file order.
void sortBullets(BulletList& list);
void sortPowders(PowderList& list);
void sortPrimers(PrimerList& list);

}  // namespace deadhold
