#pragma once

#include "rangecard/range_card.h"

namespace deadhold {

// Prints a computed range card (or saves it as a PDF): the print dialog, then one page. Tests
// keep the card instead.
class RangeCardPrinter {
 public:
  virtual ~RangeCardPrinter() = default;
  virtual void printRangeCard(const RangeCard& card) = 0;
};

}  // namespace deadhold
