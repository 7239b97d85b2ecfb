#include "calculators/small_calculator.h"

#include "common/numbers.h"

namespace deadhold {

SmallCalculator::SmallCalculator(SmallCalculatorLayout layout)
    : layout_(std::move(layout)),
      inputTexts_(layout_.inputLabels.size()),
      resultTexts_(layout_.resultLabels.size()) {}

void SmallCalculator::setFieldText(std::size_t field, std::string text) {
  inputTexts_.at(field) = std::move(text);
  computeEnabled_ = inputsInRange(values());
}

void SmallCalculator::compute() {
  if (!computeEnabled_) return;
  resultTexts_ = results(values());
}

std::vector<double> SmallCalculator::values() const {
  std::vector<double> numbers;
  numbers.reserve(inputTexts_.size());
  for (const std::string& text : inputTexts_) numbers.push_back(parseDecimal(text));
  return numbers;
}

}  // namespace deadhold
