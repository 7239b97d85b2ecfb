#include "loads/load_rules.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "loads/sample_loads.h"
#include "support/fake_dialogs.h"
#include "support/same_bytes.h"

namespace deadhold {
namespace {

using testing::makeLoad;

constexpr const char* kHeading =
    "The Following Values are invalid and must be resolved\nbefore you can use this load in the "
    "Ballistics Calculator:\n\n";
constexpr const char* kCoeffLine = "   Ballistic Coeff must be between 0.022 and 5.00\n";
constexpr const char* kWeightLine = "   Bullet Weight must be between 1 and 900\n";
constexpr const char* kVelocityLine = "   Velocity must be between 500 and 4500\n";

LoadRecord validLoad() {
  LoadRecord load = makeLoad(".270 Winchester", 130.0f);
  load.ballisticCoeff = 0.436f;
  load.avVelocity = 3016.0f;
  return load;
}

TEST(BlankLoad, IsZeroButForTheRangeConditions) {
  const LoadRecord blank = blankLoadRecord();
  LoadRecordBytes expected{};
  LoadRecord reference = loadRecordFromBytes(expected);
  reference.targetDistance = 250.0f;
  reference.elevation = 500.0f;
  reference.temperature = 70.0f;
  EXPECT_TRUE(sameBytes(blank, reference));
  EXPECT_EQ(blank.scopeHeight, 0.0f);
}

TEST(BallisticInputs, BlankLoadGetsTheScopeHeightDefault) {
  const BallisticInputs inputs = ballisticInputsOf(blankLoadRecord());
  EXPECT_EQ(inputs.targetDistance, 250.0);
  EXPECT_EQ(inputs.scopeHeight, 1.5);
  EXPECT_EQ(inputs.temperature, 70.0);
  EXPECT_EQ(inputs.altitude, 500.0);
}

TEST(BallisticInputs, TakesTheFieldsInOrderAndDefaultsOnlyZeros) {
  LoadRecord load = validLoad();
  load.targetDistance = 0.0f;
  load.scopeHeight = 2.25f;
  load.temperature = 0.0f;
  load.elevation = -50.0f;
  const BallisticInputs inputs = ballisticInputsOf(load);
  EXPECT_EQ(inputs.ballisticCoeff, static_cast<double>(0.436f));
  EXPECT_EQ(inputs.bulletWeight, 130.0);
  EXPECT_EQ(inputs.muzzleVelocity, 3016.0);
  EXPECT_EQ(inputs.targetDistance, 250.0);
  EXPECT_EQ(inputs.scopeHeight, 2.25);
  EXPECT_EQ(inputs.temperature, 70.0);
  EXPECT_EQ(inputs.altitude, -50.0);

  load.ballisticCoeff = 0.0f;  // the first three get no default
  load.bulletWeight = 0.0f;
  load.avVelocity = 0.0f;
  const BallisticInputs zeros = ballisticInputsOf(load);
  EXPECT_EQ(zeros.ballisticCoeff, 0.0);
  EXPECT_EQ(zeros.bulletWeight, 0.0);
  EXPECT_EQ(zeros.muzzleVelocity, 0.0);
}

TEST(LoadDescription, FormatsAndCutsTheWeight) {
  LoadRecord load = makeLoad(".270 Winchester", 130.0f, "Sierra", "Gameking");
  EXPECT_EQ(loadDescription(load), ".270 Winchester Cal, Sierra Gameking, 130 grn");
  load.bulletWeight = 150.9f;
  EXPECT_EQ(loadDescription(load), ".270 Winchester Cal, Sierra Gameking, 150 grn");
  load.bulletWeight = -0.5f;
  EXPECT_EQ(loadDescription(load), ".270 Winchester Cal, Sierra Gameking, 0 grn");
}

TEST(LoadDescription, StopsAtTheFieldWidthWithoutANul) {
  LoadRecord load = makeLoad("", 55.0f, "", "");
  std::memset(load.caliber.bytes.data(), 'C', 20);
  std::memset(load.bulletMfg.bytes.data(), 'M', 20);  // followed by bulletType, no NUL between
  EXPECT_EQ(loadDescription(load), std::string(20, 'C') + " Cal, " + std::string(20, 'M') + " , 55 grn");
}

TEST(CaliberPresence, OnlyEmptyOrSpacesIsMissing) {
  EXPECT_TRUE(caliberIsMissing(makeLoad("", 1)));
  EXPECT_TRUE(caliberIsMissing(makeLoad("   ", 1)));
  EXPECT_FALSE(caliberIsMissing(makeLoad(" a", 1)));
  EXPECT_FALSE(caliberIsMissing(makeLoad("\t", 1)));
  LoadRecord full = makeLoad("", 1);
  std::memset(full.caliber.bytes.data(), ' ', 20);  // spaces to the edge, no NUL
  EXPECT_TRUE(caliberIsMissing(full));
}

TEST(CaliberPresence, CheckWarnsAndRefuses) {
  testing::FakeDialogs dialogs;
  EXPECT_TRUE(checkCaliberPresent(makeLoad(".308", 150), dialogs));
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_FALSE(checkCaliberPresent(makeLoad("   ", 150), dialogs));
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text,
            "You must enter the CALIBER before attempting to save this load");
  EXPECT_EQ(dialogs.messages[0].title, "Warning");
  EXPECT_EQ(dialogs.messages[0].buttons, Buttons::Ok);
}

TEST(BallisticsValidity, BoundsAreInclusiveButTheVelocityTop) {
  LoadRecord load = validLoad();
  EXPECT_FALSE(ballisticsValidityWarning(load));
  for (float coeff : {0.022f, 5.0f}) {
    load.ballisticCoeff = coeff;
    EXPECT_FALSE(ballisticsValidityWarning(load)) << coeff;
  }
  for (float coeff : {0.0219f, 5.0001f}) {
    load.ballisticCoeff = coeff;
    EXPECT_EQ(ballisticsValidityWarning(load), std::string(kHeading) + kCoeffLine) << coeff;
  }
  load = validLoad();
  for (float weight : {1.0f, 900.0f}) {
    load.bulletWeight = weight;
    EXPECT_FALSE(ballisticsValidityWarning(load)) << weight;
  }
  for (float weight : {0.99f, 900.5f}) {
    load.bulletWeight = weight;
    EXPECT_EQ(ballisticsValidityWarning(load), std::string(kHeading) + kWeightLine) << weight;
  }
  load = validLoad();
  for (float velocity : {500.0f, 900.0f, 4499.9f}) {
    load.avVelocity = velocity;
    EXPECT_FALSE(ballisticsValidityWarning(load)) << velocity;
  }
  for (float velocity : {499.9f, 4500.0f}) {
    load.avVelocity = velocity;
    EXPECT_EQ(ballisticsValidityWarning(load), std::string(kHeading) + kVelocityLine) << velocity;
  }
}

TEST(BallisticsValidity, ListsEveryFailureInOrderAndNaNFails) {
  LoadRecord load = validLoad();
  load.ballisticCoeff = std::numeric_limits<float>::quiet_NaN();
  load.bulletWeight = std::numeric_limits<float>::quiet_NaN();
  load.avVelocity = std::numeric_limits<float>::infinity();
  EXPECT_EQ(ballisticsValidityWarning(load),
            std::string(kHeading) + kCoeffLine + kWeightLine + kVelocityLine);
}

TEST(BallisticsValidity, CheckShowsTheWarningWithOkOnly) {
  testing::FakeDialogs dialogs;
  EXPECT_TRUE(checkBallisticsValidity(validLoad(), dialogs));
  EXPECT_TRUE(dialogs.messages.empty());
  LoadRecord load = validLoad();
  load.bulletWeight = 0;
  EXPECT_FALSE(checkBallisticsValidity(load, dialogs));
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text, std::string(kHeading) + kWeightLine);
  EXPECT_EQ(dialogs.messages[0].title, "Value Range Warning");
  EXPECT_EQ(dialogs.messages[0].buttons, Buttons::Ok);
}

TEST(Flags, ReportAndCheckBoxReadThemDifferently) {
  EXPECT_EQ(flagValue(true), 1.0f);
  EXPECT_EQ(flagValue(false), 0.0f);
  EXPECT_STREQ(flagReportText(1.0f), "Yes");
  EXPECT_STREQ(flagReportText(0.0f), "No");
  EXPECT_STREQ(flagReportText(-0.0f), "No");
  EXPECT_STREQ(flagReportText(0.5f), "Yes");
  EXPECT_TRUE(flagChecksBox(1.0f));
  EXPECT_FALSE(flagChecksBox(0.0f));
  EXPECT_FALSE(flagChecksBox(0.5f));
  EXPECT_TRUE(flagChecksBox(-1.0f));
  EXPECT_FALSE(flagChecksBox(std::numeric_limits<float>::quiet_NaN()));
}

}  // namespace
}  // namespace deadhold
