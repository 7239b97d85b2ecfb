#include "calculators/caliber_dialog.h"

#include "common/numbers.h"

namespace deadhold {

void CaliberDialog::setFieldText(std::string text) {
  fieldText_ = std::move(text);
  const double caliber = parseDecimal(fieldText_);
  acceptEnabled_ = 0 < caliber && caliber < 1;
}

double CaliberDialog::accept() const {
  return acceptEnabled_ ? parseDecimal(fieldText_) : kCancelled;
}

}  // namespace deadhold
