// PRIMERS.TXT from any bytes: read, parse and sort (see catalogue_checks.h).
#include "catalogue_checks.h"
#include "components/component_sort.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace deadhold;
  static const fuzz::CatalogueCheck<PrimerEntry> check{parsePrimers, sortPrimers, primerSortKey, 2,
                                                       kPrimerCatalogue};
  fuzz::checkCatalogue(check, fuzz::asText(data, size));
  return 0;
}
