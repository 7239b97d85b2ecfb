#include "ballistics/kill_zone_dialog.h"

#include "common/numbers.h"

namespace deadhold {

void KillZoneDialog::setFieldText(std::string text) {
  fieldText_ = std::move(text);
  value_ = parseStoredDecimal(fieldText_);
  okEnabled_ = value_ > 0;
}

}  // namespace deadhold
