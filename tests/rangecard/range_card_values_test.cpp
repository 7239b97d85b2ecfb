#include "rangecard/range_card_values.h"

#include <gtest/gtest.h>

#include <cmath>

#include "rangecard/range_card_cells.h"
#include "rangecard/range_card_fields.h"

namespace deadhold {
namespace {

TEST(RangeCardValues, EveryValueOutOfRangeIsOneLineInFieldOrder) {
  RangeCardValues v;
  for (double RangeCardValues::*field :
       {&RangeCardValues::ballisticCoeff, &RangeCardValues::bulletWeight,
        &RangeCardValues::muzzleVelocity, &RangeCardValues::zeroRange,
        &RangeCardValues::sightHeight, &RangeCardValues::temperature, &RangeCardValues::pressure,
        &RangeCardValues::humidity, &RangeCardValues::windSpeed, &RangeCardValues::windAngle,
        &RangeCardValues::lookAngle, &RangeCardValues::bulletLength,
        &RangeCardValues::bulletDiameter, &RangeCardValues::clickSize})
    v.*field = -1000;
  v.twist = 3;
  v.rangeStep = 2.5;
  v.maxRange = std::nan("");
  EXPECT_EQ(rangeCardErrorText(v),
            "The Following Values are invalid and must be\n"
            "corrected before the range card can be calculated:\n\n"
            "   Ballistic Coeff must be between 0.020 and 2.000\n"
            "   Bullet Weight must be between 1 and 900\n"
            "   Velocity must be between 300 and 5000\n"
            "   Zero Range must be between 10 and 2000\n"
            "   Sight Height must be between 0.00 and 6.00\n"
            "   Temperature must be between -60 and 130\n"
            "   Pressure must be between 13.00 and 32.00\n"
            "   Humidity must be between 0 and 100\n"
            "   Wind Speed must be between 0 and 50\n"
            "   Wind Direction must be between 0 and 360\n"
            "   Look Angle must be between -60 and 60\n"
            "   Twist must be 0 (no spin drift) or between 5 and 30\n"
            "   Bullet Length must be between 0.20 and 3.00\n"
            "   Bullet Diameter must be between 0.100 and 1.000\n"
            "   Click Size must be between 0.01 and 2.00\n"
            "   Range Step must be a whole number between 1 and 500\n"
            "   Maximum Range must be a whole number between 50 and 2000\n");

  v = RangeCardValues{};
  EXPECT_EQ(rangeCardErrorText(v), "");
  v.bulletLength = v.bulletDiameter = 0;  // no twist: no spin drift, nothing to check
  v.airEntry = AirEntry::Altitude;
  v.pressure = 0;  // not used
  v.altitude = 20001;
  EXPECT_EQ(invalidRangeCardLines(v), "   Altitude must be between -1500 and 20000\n");
}

TEST(RangeCardValues, FieldsAreNumbersOnlyWhenTheyAreWhollyNumbers) {
  const struct {
    const char* text;
    double value;  // NaN: no number
  } cases[] = {{"0.436", 0.436}, {" 130 ", 130}, {"+5", 5},    {"1e3", 1000}, {"-20", -20},
               {"12abc", NAN},   {"", NAN},      {"inf", NAN}, {"0x10", NAN}, {"1,5", NAN}};
  for (const auto& c : cases) {
    RangeCardTexts texts;
    texts[RangeCardText::MuzzleVelocity] = c.text;
    texts[RangeCardText::Twist] = "";
    const RangeCardValues v = rangeCardValues(texts);
    if (std::isnan(c.value)) {
      EXPECT_TRUE(std::isnan(v.muzzleVelocity)) << c.text;
    } else {
      EXPECT_EQ(v.muzzleVelocity, c.value) << c.text;
    }
    EXPECT_EQ(v.twist, 0);  // an empty twist is no spin drift
  }
}

TEST(RangeCardValues, TextsShowTheChosenCoefficientAndAir) {
  RangeCardTexts texts = rangeCardTexts(RangeCardValues{});
  texts[RangeCardText::G7Coeff] = "0.218";
  texts[RangeCardText::Altitude] = "5000";
  EXPECT_EQ(texts[textOfField(RangeCardField::BallisticCoeff, texts)], "0.436");
  EXPECT_EQ(texts[textOfField(RangeCardField::Air, texts)], "29.92");
  EXPECT_EQ(texts[textOfField(RangeCardField::MaxRange, texts)], "1000");
  EXPECT_EQ(texts[textOfField(RangeCardField::Humidity, texts)], "0");
  texts.airEntry = 0;
  texts.dragFunction = 1;
  EXPECT_EQ(texts[textOfField(RangeCardField::BallisticCoeff, texts)], "0.218");
  EXPECT_EQ(texts[textOfField(RangeCardField::Air, texts)], "5000");
  const PointMassInputs in = pointMassInputs(rangeCardValues(texts));
  EXPECT_EQ(in.dragFunction, DragFunction::G7);
  EXPECT_NEAR(in.air.pressure, 24.89, 0.005);  // the standard atmosphere at 5000 ft
  EXPECT_EQ(in.air.temperature, 59);           // as typed
}

// Clicks correct the offset: a path below the line of sight is dialled up, a drift to the left
// right. 1 MOA is 1.047 in at 100 yd, 1 MIL 3.6 in.
TEST(RangeCardCells, AnglesAndClicksWithTheirDirections) {
  const PointMassRow row{500, 2005.4, 1161.2, 0.6106, -47.123, 10.47};
  EXPECT_EQ(rangeCardCells(row, 0.25, ClickUnit::Moa),
            (RangeCardCells{"500", "2005", "1161", "0.611", "-47.1", "-9.0", "-2.62", "U 36",
                            "10.5", "2.0", "0.58", "L 8"}));
  EXPECT_EQ(rangeCardCells(row, 0.1, ClickUnit::Mil)[7], "U 26");
  EXPECT_EQ(rangeCardCells(row, 0.1, ClickUnit::Mil)[11], "L 6");
  const PointMassRow muzzle{0, 3016, 2625.3, -1e-12, -1.5, -1e-9};
  EXPECT_EQ(rangeCardCells(muzzle, 0.25, ClickUnit::Moa),
            (RangeCardCells{"0", "3016", "2625", "0.000", "-1.5", "0.0", "0.00", "0", "0.0", "0.0",
                            "0.00", "0"}));
  EXPECT_EQ(elevationCorrection(-2.04, ClickUnit::Moa), "U 2.0");
  EXPECT_EQ(windageCorrection(-0.004, ClickUnit::Mil), "0");
  EXPECT_EQ(windageCorrection(-0.3, ClickUnit::Mil), "R 0.30");
}

}  // namespace
}  // namespace deadhold
