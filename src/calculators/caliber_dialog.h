#pragma once

#include <string>

namespace deadhold {

// "Enter Caliber": asks the bullet diameter the Taylor KO table needs. "&Accept" is enabled
// exactly while the text reads as a number strictly between 0 and 1.
class CaliberDialog {
 public:
  static constexpr const char* kTitle = "Enter Caliber";
  static constexpr const char* kLabel = "Enter Caliber (.000 in)";
  static constexpr const char* kAcceptCaption = "&Accept";
  static constexpr const char* kCancelCaption = "&Cancel";
  static constexpr int kTypingLimit = 8;
  static constexpr double kCancelled = -1;

  // The user changed the field.
  void setFieldText(std::string text);
  const std::string& fieldText() const { return fieldText_; }
  bool acceptEnabled() const { return acceptEnabled_; }

  // "&Accept" gives the caliber read from the field (the view offers it only while enabled);
  // "&Cancel", Escape and the close box give kCancelled.
  double accept() const;
  static double cancel() { return kCancelled; }

 private:
  std::string fieldText_;
  bool acceptEnabled_ = false;
};

}  // namespace deadhold
