#pragma once

#include <QSettings>

#include "platform/user_settings.h"

namespace deadhold::ui {

// The user's settings where the desktop keeps them (on Linux ~/.config/Deadhold/Deadhold.conf).
class QtUserSettings : public UserSettings {
 public:
  QtUserSettings();

  std::optional<std::string> value(const std::string& key) const override;
  void setValue(const std::string& key, const std::string& value) override;

 private:
  QSettings settings_;
};

}  // namespace deadhold::ui
