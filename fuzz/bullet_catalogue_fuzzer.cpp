// BULLETS.TXT from any bytes: read, parse and sort (see catalogue_checks.h).
#include "catalogue_checks.h"
#include "components/component_sort.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace deadhold;
  static const fuzz::CatalogueCheck<BulletEntry> check{parseBullets, sortBullets, bulletSortKey, 6,
                                                       kBulletCatalogue};
  fuzz::checkCatalogue(check, fuzz::asText(data, size));
  return 0;
}
