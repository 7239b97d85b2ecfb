#pragma once

#include <QDialog>
#include <memory>

#include "calculator_form.h"

namespace deadhold {
class SmallCalculator;
}

namespace deadhold::ui {

// One of the four one-formula calculators (sectional density, energy, recoil, Taylor knock-out)
// as a modal window: the model decides the texts, the enabling and the results.
class SmallCalculatorWindow : public QDialog {
  Q_OBJECT

 public:
  // `width` by `height` layout units.
  SmallCalculatorWindow(std::unique_ptr<SmallCalculator> calculator, int width, int height,
                        QWidget* parent = nullptr);
  ~SmallCalculatorWindow() override;

  // The four calculators of the Misc Functions page, each at its own size.
  static std::unique_ptr<SmallCalculatorWindow> sectionalDensity(QWidget* parent);
  static std::unique_ptr<SmallCalculatorWindow> energy(QWidget* parent);
  static std::unique_ptr<SmallCalculatorWindow> recoil(QWidget* parent);
  static std::unique_ptr<SmallCalculatorWindow> taylorKnockout(QWidget* parent);

 private:
  void compute();

  std::unique_ptr<SmallCalculator> calculator_;
  CalculatorForm form_;
};

}  // namespace deadhold::ui
