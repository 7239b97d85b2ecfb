#include "calculators/unit_converter_dialog.h"

#include <stdexcept>

#include "common/cformat.h"
#include "common/numbers.h"

namespace deadhold {
namespace {

using Quantity = UnitConverterDialog::Quantity;

// Each pair is a factor and its reciprocal. Ft/s and m/s to mph are rounded decimals, paired with
// the exact reciprocals of those decimals so that a typed value converts back to itself. Celsius
// also carries the 32-degree offset, applied in convert and show below.
constexpr std::array<UnitConverterDialog::FieldInfo, UnitConverterDialog::kFieldCount> kFields{{
    {"Inches", false, Quantity::Length, 0.08333333333333333, 12},
    {"Feet", false, Quantity::Length, 1, 1},
    {"Yards", false, Quantity::Length, 3, 0.3333333333333333},
    {"Millimeters", true, Quantity::Length, 0.0032808398950131233, 304.8},
    {"Centimeters", true, Quantity::Length, 0.03280839895013123, 30.48},
    {"Meters", true, Quantity::Length, 3.280839895013123, 0.3048},
    {"Ft/s", false, Quantity::Speed, 0.68181818, 1.4666666705777778},
    {"M/s", true, Quantity::Speed, 2.236936, 0.44704005836555},
    {"Mph", false, Quantity::Speed, 1, 1},
    {"Kph", true, Quantity::Speed, 0.621371192237334, 1.609344},
    {"Farenheight", false, Quantity::Temperature, 1, 1},
    {"Celsius", true, Quantity::Temperature, 1.8, 0.5555555555555556},
}};

constexpr double kFreezingF = 32;

}  // namespace

const UnitConverterDialog::FieldInfo& UnitConverterDialog::info(int field) {
  if (field < 1 || field > kFieldCount) throw std::out_of_range("unit converter field");
  return kFields[static_cast<std::size_t>(field - 1)];
}

UnitConverterDialog::UnitConverterDialog() {
  refresh();
}

void UnitConverterDialog::setFieldText(int field, std::string text) {
  const FieldInfo& typed = info(field);
  texts_[static_cast<std::size_t>(field - 1)] = std::move(text);
  const double x = parseDecimal(fieldText(field));
  commonValue(typed.quantity) =
      field == Celsius ? x * typed.typedFactor + kFreezingF : x * typed.typedFactor;
  sourceField_ = field;
  refresh();
}

const std::string& UnitConverterDialog::fieldText(int field) const {
  info(field);
  return texts_[static_cast<std::size_t>(field - 1)];
}

double& UnitConverterDialog::commonValue(Quantity quantity) {
  switch (quantity) {
    case Quantity::Length:
      return lengthFeet_;
    case Quantity::Speed:
      return speedMph_;
    case Quantity::Temperature:
      break;
  }
  return temperatureF_;
}

double UnitConverterDialog::shownValue(int field) const {
  const FieldInfo& shown = info(field);
  switch (shown.quantity) {
    case Quantity::Length:
      return lengthFeet_ * shown.shownFactor;
    case Quantity::Speed:
      return speedMph_ * shown.shownFactor;
    case Quantity::Temperature:
      break;
  }
  return field == Celsius ? (temperatureF_ - kFreezingF) * shown.shownFactor
                          : temperatureF_ * shown.shownFactor;
}

// Writes every field but the one the user is typing in, from the common values: never from
// another field's rounded text.
void UnitConverterDialog::refresh() {
  for (int field = 1; field <= kFieldCount; ++field) {
    if (field == sourceField_) continue;
    texts_[static_cast<std::size_t>(field - 1)] = cformat("%.3f", shownValue(field));
  }
}

}  // namespace deadhold
