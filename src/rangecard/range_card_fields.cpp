#include "rangecard/range_card_fields.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>
#include <utility>

#include "rangecard/range_card.h"

namespace deadhold {

namespace {

using T = RangeCardText;
constexpr double kNoNumber = std::numeric_limits<double>::quiet_NaN();

double number(const std::string& text, double whenEmpty) {
  const std::size_t begin = text.find_first_not_of(" \t");
  if (begin == std::string::npos) return whenEmpty;
  const std::size_t end = text.find_last_not_of(" \t") + 1;
  const char* first = text.data() + begin + (text[begin] == '+' ? 1 : 0);
  double value = 0;
  const auto [stop, error] = std::from_chars(first, text.data() + end, value);
  if (error != std::errc() || stop != text.data() + end || !std::isfinite(value)) return kNoNumber;
  return value;
}

// The texts that are plain numbers of RangeCardValues, with the decimals to write them in.
struct NumberText {
  T text;
  double RangeCardValues::*value;
  int decimals;
  bool emptyIsZero = false;
};
constexpr NumberText kNumbers[] = {
    {T::BulletWeight, &RangeCardValues::bulletWeight, 1},
    {T::MuzzleVelocity, &RangeCardValues::muzzleVelocity, 1},
    {T::ZeroRange, &RangeCardValues::zeroRange, 1},
    {T::SightHeight, &RangeCardValues::sightHeight, 3},
    {T::Temperature, &RangeCardValues::temperature, 1},
    {T::Altitude, &RangeCardValues::altitude, 0},
    {T::Pressure, &RangeCardValues::pressure, 2},
    {T::Humidity, &RangeCardValues::humidity, 1},
    {T::WindSpeed, &RangeCardValues::windSpeed, 1},
    {T::WindAngle, &RangeCardValues::windAngle, 1},
    {T::LookAngle, &RangeCardValues::lookAngle, 1},
    {T::Twist, &RangeCardValues::twist, 2, true},
    {T::BulletLength, &RangeCardValues::bulletLength, 3, true},
    {T::BulletDiameter, &RangeCardValues::bulletDiameter, 3, true},
    {T::ClickSize, &RangeCardValues::clickSize, 3},
    {T::RangeStep, &RangeCardValues::rangeStep, 0},
    {T::MaxRange, &RangeCardValues::maxRange, 0},
};

constexpr std::pair<T, const char*> kBulletKeys[] = {
    {T::G7Coeff, "g7Coeff"},
    {T::Twist, "twist"},
    {T::BulletLength, "bulletLength"},
    {T::BulletDiameter, "bulletDiameter"},
};
constexpr std::pair<T, const char*> kCardKeys[] = {
    {T::Pressure, "pressure"},   {T::Humidity, "humidity"},   {T::WindSpeed, "windSpeed"},
    {T::WindAngle, "windAngle"}, {T::LookAngle, "lookAngle"}, {T::ClickSize, "clickSize"},
    {T::RangeStep, "rangeStep"}, {T::MaxRange, "maxRange"},
};
constexpr const char* kCardGroup = "RangeCard/";

// A load's description as one part of a settings key: letters and digits stay, every other
// byte becomes %XX, so no description can reach into another key.
std::string bulletGroup(const std::string& bullet) {
  std::string key = "RangeCard/Bullets/";
  for (const unsigned char c : bullet) {
    if (std::isalnum(c) != 0 && c < 0x80) {
      key += static_cast<char>(c);
    } else {
      constexpr const char* kHex = "0123456789ABCDEF";
      key += {'%', kHex[c >> 4], kHex[c & 15]};
    }
  }
  return key + "/";
}

// A remembered choice: the index of its name among `names`, or `current` when unknown.
template <std::size_t N>
int choice(const UserSettings& settings, const std::string& key,
           const std::array<const char*, N>& names, int current) {
  const auto stored = settings.value(key);
  for (std::size_t i = 0; stored && i < N; ++i)
    if (*stored == names[i]) return static_cast<int>(i);
  return current;
}

}  // namespace

RangeCardValues rangeCardValues(const RangeCardTexts& texts) {
  RangeCardValues values;
  values.dragFunction = texts.dragFunction == 1 ? DragFunction::G7 : DragFunction::G1;
  values.ballisticCoeff =
      number(texts[values.dragFunction == DragFunction::G7 ? T::G7Coeff : T::G1Coeff], kNoNumber);
  for (const NumberText& n : kNumbers)
    values.*n.value = number(texts[n.text], n.emptyIsZero ? 0 : kNoNumber);
  values.airEntry = texts.airEntry == 1 ? AirEntry::Pressure : AirEntry::Altitude;
  values.clickUnit = texts.clickUnit == 1 ? ClickUnit::Mil : ClickUnit::Moa;
  return values;
}

RangeCardTexts rangeCardTexts(const RangeCardValues& values) {
  RangeCardTexts texts;
  texts.dragFunction = values.dragFunction == DragFunction::G7 ? 1 : 0;
  texts[texts.dragFunction == 1 ? T::G7Coeff : T::G1Coeff] = shortNumber(values.ballisticCoeff, 4);
  for (const NumberText& n : kNumbers) {
    const double value = values.*n.value;
    texts[n.text] = n.emptyIsZero && value == 0 ? "" : shortNumber(value, n.decimals);
  }
  texts.airEntry = values.airEntry == AirEntry::Pressure ? 1 : 0;
  texts.clickUnit = values.clickUnit == ClickUnit::Mil ? 1 : 0;
  return texts;
}

RangeCardText textOfField(RangeCardField field, const RangeCardTexts& texts) {
  switch (field) {
    case RangeCardField::BallisticCoeff:
      return texts.dragFunction == 1 ? T::G7Coeff : T::G1Coeff;
    case RangeCardField::Air:
      return texts.airEntry == 1 ? T::Pressure : T::Altitude;
    default:
      // The fields after the coefficient follow the texts in order, the air field taking the
      // altitude's and the pressure's place.
      const auto index = static_cast<int>(field);
      return static_cast<T>(index < static_cast<int>(RangeCardField::Air) ? index + 1 : index + 2);
  }
}

void takeLoadValues(const BallisticInputs& load, RangeCardTexts& texts) {
  texts[T::G1Coeff] = shortNumber(load.ballisticCoeff, 4);
  texts[T::BulletWeight] = shortNumber(load.bulletWeight, 1);
  texts[T::MuzzleVelocity] = shortNumber(load.muzzleVelocity, 1);
  texts[T::ZeroRange] = shortNumber(load.targetDistance == 0 ? 100 : load.targetDistance, 1);
  texts[T::SightHeight] = shortNumber(load.scopeHeight == 0 ? 1.5 : load.scopeHeight, 3);
  texts[T::Temperature] = shortNumber(load.temperature == 0 ? 59 : load.temperature, 1);
  texts[T::Altitude] = shortNumber(load.altitude, 0);
}

void recallBulletSettings(const UserSettings& settings, const std::string& bullet,
                          RangeCardTexts& texts) {
  const std::string group = bulletGroup(bullet);
  texts.dragFunction = choice(settings, group + "dragFunction", kDragEntries, 0);
  for (const auto& [text, key] : kBulletKeys)
    texts[text] = settings.value(group + key).value_or("");
}

void recallCardSettings(const UserSettings& settings, RangeCardTexts& texts) {
  const std::string group = kCardGroup;
  texts.airEntry = choice(settings, group + "airEntry", kAirEntries, texts.airEntry);
  texts.clickUnit = choice(settings, group + "clickUnit", kClickUnitEntries, texts.clickUnit);
  for (const auto& [text, key] : kCardKeys)
    if (const auto stored = settings.value(group + key)) texts[text] = *stored;
}

void rememberSettings(UserSettings& settings, const std::string& bullet,
                      const RangeCardTexts& texts) {
  const std::string bulletKeys = bulletGroup(bullet);
  settings.setValue(bulletKeys + "dragFunction", kDragEntries[texts.dragFunction == 1 ? 1 : 0]);
  for (const auto& [text, key] : kBulletKeys) settings.setValue(bulletKeys + key, texts[text]);
  const std::string group = kCardGroup;
  settings.setValue(group + "airEntry", kAirEntries[texts.airEntry == 1 ? 1 : 0]);
  settings.setValue(group + "clickUnit", kClickUnitEntries[texts.clickUnit == 1 ? 1 : 0]);
  for (const auto& [text, key] : kCardKeys) settings.setValue(group + key, texts[text]);
}

}  // namespace deadhold
