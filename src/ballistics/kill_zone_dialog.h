#pragma once

#include <string>

namespace deadhold {

// "Deadhold Range": asks the height of the kill zone for "Calculate DHR". The value starts at
// 0 with "OK" enabled; after every change of the field "OK" is enabled exactly while the text
// reads as a number above 0.
class KillZoneDialog {
 public:
  static constexpr const char* kTitle = "Deadhold Range";
  static constexpr const char* kLabel = "Enter Height in Inches of Kill Zone";
  static constexpr const char* kOkCaption = "OK";
  static constexpr const char* kCancelCaption = "Cancel";

  // The user changed the field.
  void setFieldText(std::string text);
  const std::string& fieldText() const { return fieldText_; }
  bool okEnabled() const { return okEnabled_; }
  // Inches; kept in single precision like the field it is read from.
  float value() const { return value_; }

 private:
  std::string fieldText_;
  float value_ = 0;
  bool okEnabled_ = true;
};

}  // namespace deadhold
