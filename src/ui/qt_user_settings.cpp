#include "qt_user_settings.h"

#include "surface/record_text.h"

namespace deadhold::ui {

QtUserSettings::QtUserSettings()
    : settings_(QSettings::NativeFormat, QSettings::UserScope, "Deadhold", "Deadhold") {}

std::optional<std::string> QtUserSettings::value(const std::string& key) const {
  const QVariant stored = settings_.value(fromRecordText(key));
  if (!stored.isValid()) return std::nullopt;
  return toRecordText(stored.toString());
}

void QtUserSettings::setValue(const std::string& key, const std::string& value) {
  settings_.setValue(fromRecordText(key), fromRecordText(value));
}

}  // namespace deadhold::ui
