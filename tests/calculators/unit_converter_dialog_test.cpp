#include "calculators/unit_converter_dialog.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace deadhold {
namespace {

using Converter = UnitConverterDialog;

std::vector<std::string> allTexts(const Converter& converter) {
  std::vector<std::string> texts;
  for (int field = 1; field <= Converter::kFieldCount; ++field)
    texts.push_back(converter.fieldText(field));
  return texts;
}

TEST(UnitConverterDialog, OpeningValues) {
  const Converter converter;
  EXPECT_EQ(converter.sourceField(), 0);
  EXPECT_EQ(allTexts(converter),
            (std::vector<std::string>{"12.000", "1.000", "0.333", "304.800", "30.480", "0.305",
                                      "1.000", "0.305", "0.682", "1.098", "70.000", "21.111"}));
}

TEST(UnitConverterDialog, YardsConvertAndKeepTheTypedText) {
  Converter converter;
  converter.setFieldText(Converter::Yards, "100");
  EXPECT_EQ(converter.sourceField(), Converter::Yards);
  EXPECT_EQ(converter.lengthFeet(), 300);
  EXPECT_EQ(
      allTexts(converter),
      (std::vector<std::string>{"3600.000", "300.000", "100", "91440.000", "9144.000", "91.440",
                                "1.000", "0.305", "0.682", "1.098", "70.000", "21.111"}));
}

TEST(UnitConverterDialog, FeetPerSecond) {
  Converter converter;
  converter.setFieldText(Converter::FeetPerSecond, "3000");
  EXPECT_EQ(converter.fieldText(Converter::FeetPerSecond), "3000");
  EXPECT_EQ(converter.fieldText(Converter::Mph), "2045.455");
  EXPECT_EQ(converter.fieldText(Converter::MetersPerSecond), "914.400");
  EXPECT_EQ(converter.fieldText(Converter::Kph), "3291.840");
  // An earlier source is rewritten as soon as another field is typed in.
  converter.setFieldText(Converter::Inches, "1");
  EXPECT_EQ(converter.fieldText(Converter::FeetPerSecond), "3000.000");
  EXPECT_EQ(converter.fieldText(Converter::Inches), "1");
  EXPECT_EQ(converter.sourceField(), Converter::Inches);
}

TEST(UnitConverterDialog, TypedSpeedsConvertBackToThemselves) {
  Converter converter;
  converter.setFieldText(Converter::MetersPerSecond, "853.44");
  EXPECT_EQ(converter.fieldText(Converter::Mph), "1909.091");
  converter.setFieldText(Converter::Feet, "2");
  EXPECT_EQ(converter.fieldText(Converter::MetersPerSecond), "853.440");
  converter.setFieldText(Converter::FeetPerSecond, "0.001");
  converter.setFieldText(Converter::Feet, "3");
  EXPECT_EQ(converter.fieldText(Converter::FeetPerSecond), "0.001");
}

TEST(UnitConverterDialog, Temperatures) {
  Converter converter;
  converter.setFieldText(Converter::Celsius, "100");
  EXPECT_EQ(converter.fieldText(Converter::Fahrenheit), "212.000");
  converter.setFieldText(Converter::Celsius, "warm");
  EXPECT_EQ(converter.fieldText(Converter::Fahrenheit), "32.000");
  EXPECT_EQ(converter.fieldText(Converter::Celsius), "warm");
  converter.setFieldText(Converter::Fahrenheit, "-40");
  EXPECT_EQ(converter.fieldText(Converter::Celsius), "-40.000");
}

TEST(UnitConverterDialog, EmptiedFieldZeroesItsQuantityOnly) {
  Converter converter;
  converter.setFieldText(Converter::Meters, "");
  EXPECT_EQ(converter.lengthFeet(), 0);
  for (int field : {Converter::Inches, Converter::Feet, Converter::Yards, Converter::Millimeters,
                    Converter::Centimeters})
    EXPECT_EQ(converter.fieldText(field), "0.000") << field;
  EXPECT_EQ(converter.fieldText(Converter::Meters), "");
  EXPECT_EQ(converter.fieldText(Converter::Mph), "0.682");
  EXPECT_EQ(converter.fieldText(Converter::Fahrenheit), "70.000");
}

TEST(UnitConverterDialog, CommonValueComesFromTheTypedTextNotTheRoundedOnes) {
  Converter converter;
  converter.setFieldText(Converter::Inches, "0.0001");
  EXPECT_EQ(converter.fieldText(Converter::Feet), "0.000");
  EXPECT_EQ(converter.lengthFeet(), 0.0001 * 0.08333333333333333);
  EXPECT_EQ(converter.fieldText(Converter::Millimeters), "0.003");
}

TEST(UnitConverterDialog, OverLongResultsDoNotStopLaterConversions) {
  Converter converter;
  converter.setFieldText(Converter::Meters, "1e12");
  EXPECT_GT(converter.fieldText(Converter::Millimeters).size(),
            static_cast<std::size_t>(Converter::kTypingLimit));
  EXPECT_EQ(converter.fieldText(Converter::Millimeters), "1000000000000000.000");
  converter.setFieldText(Converter::Feet, "1");
  EXPECT_EQ(converter.fieldText(Converter::Millimeters), "304.800");
}

TEST(UnitConverterDialog, FieldLabelsAndGroups) {
  EXPECT_STREQ(Converter::info(Converter::Fahrenheit).label, "Farenheight");
  EXPECT_FALSE(Converter::info(Converter::Fahrenheit).metric);
  EXPECT_STREQ(Converter::info(Converter::MetersPerSecond).label, "M/s");
  EXPECT_TRUE(Converter::info(Converter::MetersPerSecond).metric);
  EXPECT_EQ(Converter::info(Converter::Kph).quantity, Converter::Quantity::Speed);
}

}  // namespace
}  // namespace deadhold
