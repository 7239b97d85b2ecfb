#include "bc_calc_window.h"

#include "dialog_units.h"
#include "window_size.h"

namespace deadhold::ui {
namespace {

using Field = BcCalcDialog::Field;

constexpr Field kFields[] = {Field::BulletWeight, Field::MuzzleVelocity, Field::Velocity100};

}  // namespace

BcCalcWindow::BcCalcWindow(Engine& engine, Dialogs& dialogs, QWidget* parent)
    : QDialog(parent),
      calculator_(engine, dialogs),
      form_(*this,
            {BcCalcDialog::label(Field::BulletWeight), BcCalcDialog::label(Field::MuzzleVelocity),
             BcCalcDialog::label(Field::Velocity100)},
            {BcCalcDialog::kResultLabel}, BcCalcDialog::kCalculateCaption,
            BcCalcDialog::kReturnCaption) {
  setFont(windowFont());
  setWindowTitle(QString::fromUtf8(BcCalcDialog::kTitle));
  form_.onInputChanged([this](std::size_t field, const QString& text) {
    calculator_.setFieldText(kFields[field], text.toStdString());
    form_.setComputeEnabled(calculator_.calculateEnabled());
  });
  form_.onCompute([this] { calculate(); });
  fixWindowSize(*this, 182, 130);
}

void BcCalcWindow::calculate() {
  calculator_.calculate();
  form_.showResult(0, calculator_.resultText());
}

}  // namespace deadhold::ui
