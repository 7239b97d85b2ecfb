#include "small_calculator_window.h"

#include "calculators/energy_dialog.h"
#include "calculators/recoil_dialog.h"
#include "calculators/sectional_density_dialog.h"
#include "calculators/small_calculator.h"
#include "calculators/taylor_ko_dialog.h"
#include "dialog_units.h"
#include "window_size.h"

namespace deadhold::ui {

SmallCalculatorWindow::SmallCalculatorWindow(std::unique_ptr<SmallCalculator> calculator, int width,
                                             int height, QWidget* parent)
    : QDialog(parent),
      calculator_(std::move(calculator)),
      form_(*this, calculator_->layout().inputLabels, calculator_->layout().resultLabels,
            calculator_->layout().computeCaption, SmallCalculator::kReturnCaption) {
  setFont(windowFont());
  setWindowTitle(QString::fromUtf8(calculator_->layout().title));
  form_.onInputChanged([this](std::size_t field, const QString& text) {
    calculator_->setFieldText(field, text.toStdString());
    form_.setComputeEnabled(calculator_->computeEnabled());
  });
  form_.onCompute([this] { compute(); });
  fixWindowSize(*this, width, height);
}

SmallCalculatorWindow::~SmallCalculatorWindow() = default;

void SmallCalculatorWindow::compute() {
  calculator_->compute();
  for (std::size_t i = 0; i < calculator_->layout().resultLabels.size(); ++i)
    form_.showResult(i, calculator_->resultText(i));
}

std::unique_ptr<SmallCalculatorWindow> SmallCalculatorWindow::sectionalDensity(QWidget* parent) {
  return std::make_unique<SmallCalculatorWindow>(std::make_unique<SectionalDensityDialog>(), 186,
                                                 101, parent);
}

std::unique_ptr<SmallCalculatorWindow> SmallCalculatorWindow::energy(QWidget* parent) {
  return std::make_unique<SmallCalculatorWindow>(std::make_unique<EnergyDialog>(), 186, 101,
                                                 parent);
}

std::unique_ptr<SmallCalculatorWindow> SmallCalculatorWindow::recoil(QWidget* parent) {
  return std::make_unique<SmallCalculatorWindow>(std::make_unique<RecoilDialog>(), 186, 130,
                                                 parent);
}

std::unique_ptr<SmallCalculatorWindow> SmallCalculatorWindow::taylorKnockout(QWidget* parent) {
  return std::make_unique<SmallCalculatorWindow>(std::make_unique<TaylorKoDialog>(), 167, 130,
                                                 parent);
}

}  // namespace deadhold::ui
