#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace deadhold {

// The texts that make up one small calculator's window.
struct SmallCalculatorLayout {
  const char* title;
  std::vector<const char*> inputLabels;
  const char* computeCaption;
  std::vector<const char*> resultLabels;
};

// The one design of the four one-formula calculators: input texts read as leading numbers, a
// compute button enabled exactly while every input lies in its range (re-tested on each change),
// and result texts written only when the button is pressed.
class SmallCalculator {
 public:
  static constexpr const char* kReturnCaption = "&Return";

  virtual ~SmallCalculator() = default;
  SmallCalculator(const SmallCalculator&) = delete;
  SmallCalculator& operator=(const SmallCalculator&) = delete;

  const SmallCalculatorLayout& layout() const { return layout_; }

  // The user changed input `field` (numbered as the layout's input labels).
  void setFieldText(std::size_t field, std::string text);
  const std::string& fieldText(std::size_t field) const { return inputTexts_.at(field); }
  bool computeEnabled() const { return computeEnabled_; }

  // The compute button: reads the inputs again and writes every result text. Does nothing while
  // the button is disabled. Results stay as they are when inputs change afterwards.
  void compute();
  const std::string& resultText(std::size_t result) const { return resultTexts_.at(result); }

 protected:
  explicit SmallCalculator(SmallCalculatorLayout layout);

 private:
  virtual bool inputsInRange(const std::vector<double>& values) const = 0;
  virtual std::vector<std::string> results(const std::vector<double>& values) const = 0;

  std::vector<double> values() const;

  SmallCalculatorLayout layout_;
  std::vector<std::string> inputTexts_;
  std::vector<std::string> resultTexts_;
  bool computeEnabled_ = false;
};

}  // namespace deadhold
