#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calculators/energy_dialog.h"
#include "calculators/recoil_dialog.h"
#include "calculators/sectional_density_dialog.h"
#include "calculators/taylor_ko_dialog.h"

namespace deadhold {
namespace {

// Types every input in order and reports whether the compute button is enabled.
bool enabledFor(SmallCalculator& calculator, const std::vector<std::string>& inputs) {
  for (std::size_t i = 0; i < inputs.size(); ++i) calculator.setFieldText(i, inputs[i]);
  return calculator.computeEnabled();
}

std::vector<std::string> computed(SmallCalculator& calculator,
                                  const std::vector<std::string>& inputs) {
  EXPECT_TRUE(enabledFor(calculator, inputs));
  calculator.compute();
  std::vector<std::string> results;
  for (std::size_t i = 0; i < calculator.layout().resultLabels.size(); ++i)
    results.push_back(calculator.resultText(i));
  return results;
}

TEST(SmallCalculators, OpenEmptyAndDisabled) {
  SectionalDensityDialog sd;
  EnergyDialog energy;
  RecoilDialog recoil;
  TaylorKoDialog ko;
  for (SmallCalculator* calculator : std::vector<SmallCalculator*>{&sd, &energy, &recoil, &ko}) {
    SCOPED_TRACE(calculator->layout().title);
    EXPECT_FALSE(calculator->computeEnabled());
    EXPECT_EQ(calculator->fieldText(0), "");
    EXPECT_EQ(calculator->resultText(0), "");
    calculator->compute();
    EXPECT_EQ(calculator->resultText(0), "");
  }
}

TEST(SectionalDensityDialog, WorkedValueAndRanges) {
  SectionalDensityDialog sd;
  EXPECT_EQ(computed(sd, {"150", "0.308"}), (std::vector<std::string>{"0.22589"}));
  EXPECT_EQ(computed(sd, {"", "0.308"}), (std::vector<std::string>{"0.00000"}));
  EXPECT_EQ(computed(sd, {"0", ".308"}), (std::vector<std::string>{"0.00000"}));
  EXPECT_TRUE(enabledFor(sd, {"900", "0.1"}));
  EXPECT_TRUE(enabledFor(sd, {"900", "1"}));
  EXPECT_FALSE(enabledFor(sd, {"901", "0.308"}));
  EXPECT_FALSE(enabledFor(sd, {"150", "0.09"}));
  EXPECT_FALSE(enabledFor(sd, {"150", "1.01"}));
}

TEST(EnergyDialog, WorkedValueAndRanges) {
  EnergyDialog energy;
  EXPECT_EQ(computed(energy, {"150", "3000"}), (std::vector<std::string>{"2998"}));
  EXPECT_NEAR(EnergyDialog::energy(150, 3000), 2998.4, 0.05);
  EXPECT_TRUE(enabledFor(energy, {"150", "500"}));
  EXPECT_FALSE(enabledFor(energy, {"150", "4500"}));
  EXPECT_TRUE(enabledFor(energy, {"150", "4499.99"}));
  EXPECT_FALSE(enabledFor(energy, {"0.9", "3000"}));
  EXPECT_TRUE(enabledFor(energy, {"900", "3000"}));
  EXPECT_FALSE(enabledFor(energy, {"900.5", "3000"}));
}

TEST(RecoilDialog, WorkedValueAndRanges) {
  RecoilDialog recoil;
  EXPECT_EQ(RecoilDialog::momentum(150, 2900, 50), 670000);
  EXPECT_EQ(computed(recoil, {"150", "2900", "50", "8"}),
            (std::vector<std::string>{"17.78", "11.96"}));
  EXPECT_TRUE(enabledFor(recoil, {"1", "500", "1", "1"}));
  EXPECT_TRUE(enabledFor(recoil, {"900", "4499", "300", "50"}));
  EXPECT_FALSE(enabledFor(recoil, {"150", "4500", "50", "8"}));
  EXPECT_FALSE(enabledFor(recoil, {"150", "2900", "0.5", "8"}));
  EXPECT_FALSE(enabledFor(recoil, {"150", "2900", "301", "8"}));
  EXPECT_FALSE(enabledFor(recoil, {"150", "2900", "50", "50.5"}));
  EXPECT_FALSE(enabledFor(recoil, {"150", "2900", "50", ""}));
}

TEST(TaylorKoDialog, WorkedValueAndRanges) {
  TaylorKoDialog ko;
  EXPECT_EQ(computed(ko, {"300", "2500", "0.375"}), (std::vector<std::string>{"40.18"}));
  EXPECT_FALSE(enabledFor(ko, {"300", "2500", "0.176"}));
  EXPECT_TRUE(enabledFor(ko, {"300", "2500", "0.177"}));
  EXPECT_TRUE(enabledFor(ko, {"300", "2500", "0.7"}));
  EXPECT_FALSE(enabledFor(ko, {"300", "2500", "0.71"}));
  EXPECT_FALSE(enabledFor(ko, {"300", "499", "0.375"}));
}

TEST(SmallCalculators, ResultsStayWhenInputsChange) {
  EnergyDialog energy;
  computed(energy, {"150", "3000"});
  energy.setFieldText(EnergyDialog::Velocity, "");
  EXPECT_FALSE(energy.computeEnabled());
  EXPECT_EQ(energy.resultText(EnergyDialog::Energy), "2998");
}

TEST(SmallCalculators, Layouts) {
  RecoilDialog recoil;
  EXPECT_STREQ(recoil.layout().title, "Calculate Recoil");
  EXPECT_STREQ(recoil.layout().computeCaption, "&Compute");
  ASSERT_EQ(recoil.layout().inputLabels.size(), 4u);
  EXPECT_STREQ(recoil.layout().inputLabels[RecoilDialog::GunWeight], "Total Gun Weight (lbs)");
  EXPECT_STREQ(recoil.layout().resultLabels[RecoilDialog::RecoilVelocity], "Recoil Velocity (fps)");
  EXPECT_STREQ(EnergyDialog().layout().computeCaption, "Calculate");
  EXPECT_STREQ(SectionalDensityDialog().layout().computeCaption, "&Calculate");
}

}  // namespace
}  // namespace deadhold
