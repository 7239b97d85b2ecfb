#pragma once

#include <array>
#include <string>

namespace deadhold {

// "English/Metric Unit Converter": twelve fields over three common values. Whatever the user
// types into a field sets its quantity's common value, and every other field is rewritten from
// the common values; the field typed in keeps the user's text.
class UnitConverterDialog {
 public:
  enum Field : int {
    Inches = 1,
    Feet,
    Yards,
    Millimeters,
    Centimeters,
    Meters,
    FeetPerSecond,
    MetersPerSecond,
    Mph,
    Kph,
    Fahrenheit,
    Celsius
  };
  enum class Quantity { Length, Speed, Temperature };

  struct FieldInfo {
    const char* label;
    bool metric;  // shown in the "Metric Units" group, else in "English Units"
    Quantity quantity;
    double typedFactor;  // typed value x sets the common value to x * typedFactor
    double shownFactor;  // the field shows the common value * shownFactor
  };

  static constexpr const char* kTitle = "English/Metric Unit Converter";
  static constexpr const char* kEnglishGroup = "English Units";
  static constexpr const char* kMetricGroup = "Metric Units";
  static constexpr int kFieldCount = 12;
  static constexpr int kTypingLimit = 16;
  static constexpr int kNoField = 0;

  static const FieldInfo& info(int field);

  // Opens on one foot, 0.682 mph and 70 degrees F, every field filled.
  UnitConverterDialog();

  // The user changed field `field` (1 to 12). The view must not report the texts it takes over
  // from here as edits: only the user's typing converts.
  void setFieldText(int field, std::string text);
  const std::string& fieldText(int field) const;

  int sourceField() const { return sourceField_; }
  double lengthFeet() const { return lengthFeet_; }
  double speedMph() const { return speedMph_; }
  double temperatureF() const { return temperatureF_; }

 private:
  double& commonValue(Quantity quantity);
  double shownValue(int field) const;
  void refresh();

  double lengthFeet_ = 1.0;
  double speedMph_ = 0.682;
  double temperatureF_ = 70.0;
  int sourceField_ = kNoField;
  std::array<std::string, kFieldCount> texts_;
};

}  // namespace deadhold
