#pragma once

#include <array>
#include <cstddef>
#include <string>

namespace deadhold {

// The texts the Range Card page keeps: what the user sees in its fields, including the values
// that only show when chosen (the G7 coefficient while G1 is chosen, the pressure while the
// altitude is), and its three choices.
enum class RangeCardText {
  G1Coeff,
  G7Coeff,
  BulletWeight,
  MuzzleVelocity,
  ZeroRange,
  SightHeight,
  Temperature,
  Altitude,
  Pressure,
  Humidity,
  WindSpeed,
  WindAngle,
  LookAngle,
  Twist,
  BulletLength,
  BulletDiameter,
  ClickSize,
  RangeStep,
  MaxRange,
};
inline constexpr std::size_t kRangeCardTextCount = 19;

struct RangeCardTexts {
  std::array<std::string, kRangeCardTextCount> texts;
  int dragFunction = 0;  // 0 G1, 1 G7
  int airEntry = 0;      // 0 altitude, 1 pressure
  int clickUnit = 0;     // 0 MOA, 1 MIL

  std::string& operator[](RangeCardText text) { return texts[static_cast<std::size_t>(text)]; }
  const std::string& operator[](RangeCardText text) const {
    return texts[static_cast<std::size_t>(text)];
  }
  friend bool operator==(const RangeCardTexts&, const RangeCardTexts&) = default;
};

// The page's fields as the view lays them out, two rows of ten with the three choices among
// them: the coefficient field shows the G1 or G7 text, the air field the altitude or pressure.
enum class RangeCardField {
  BallisticCoeff,
  BulletWeight,
  MuzzleVelocity,
  ZeroRange,
  SightHeight,
  Temperature,
  Air,
  Humidity,
  WindSpeed,
  WindAngle,
  LookAngle,
  Twist,
  BulletLength,
  BulletDiameter,
  ClickSize,
  RangeStep,
  MaxRange,
};
inline constexpr std::size_t kRangeCardFieldCount = 17;

inline constexpr std::array<const char*, kRangeCardFieldCount> kRangeCardFieldCaptions{
    "Coe&ff.",    "&Weight gr", "&Velocity", "&Zero yd",  "&Sight in", "&Temp F",
    "",           "&Humid. %",  "Wi&nd mph", "F&rom deg", "&Look deg", "Twist &in",
    "L&ength in", "Dia&m. in",  "Clic&k",    "Step &yd",  "T&o yd"};
inline constexpr const char* kDragCaption = "&Drag";
inline constexpr std::array<const char*, 2> kDragEntries{"G1", "G7"};
inline constexpr const char* kAirCaption = "&Air by";
inline constexpr std::array<const char*, 2> kAirEntries{"Altitude", "Pressure"};
inline constexpr std::array<const char*, 2> kAirValueCaptions{"Altitude ft", "Pressure inHg"};
inline constexpr const char* kClickUnitCaption = "&Unit";
inline constexpr std::array<const char*, 2> kClickUnitEntries{"MOA", "MIL"};

inline constexpr const char* kCalculateCaption = "&Calculate";
inline constexpr const char* kPrintCardCaption = "&Print";
inline constexpr const char* kGetLoadCaption = "&Get Load Data";

}  // namespace deadhold
