#pragma once

#include <QDialog>

#include "calculator_form.h"
#include "calculators/bc_calc_dialog.h"

namespace deadhold::ui {

// "Calculate Ballistic Coefficient" as a modal window. Its model lives exactly as long as the
// window, so closing it, however it is closed, puts the engine's range table back.
class BcCalcWindow : public QDialog {
  Q_OBJECT

 public:
  BcCalcWindow(Engine& engine, Dialogs& dialogs, QWidget* parent = nullptr);

 private:
  void calculate();

  BcCalcDialog calculator_;
  CalculatorForm form_;
};

}  // namespace deadhold::ui
