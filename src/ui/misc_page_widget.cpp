#include "misc_page_widget.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "bc_calc_window.h"
#include "dialog_units.h"
#include "small_calculator_window.h"
#include "unit_converter_window.h"

namespace deadhold::ui {

MiscPageWidget::MiscPageWidget(Engine& engine, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent), engine_(engine), dialogs_(dialogs) {
  auto* grid = new QGridLayout(this);
  grid->setColumnStretch(0, 1);
  grid->setColumnStretch(1, 1);

  addPanel(0, 0, "Using Muzzle and 100 yrd velocities, computes the bullets Ballistic Coefficient",
           "Calculate Bullet Ballistic Coefficient", "ballisticCoeffButton",
           [this] { BcCalcWindow(engine_, dialogs_, this).exec(); });
  addPanel(1, 0, "Using a bullets Weight and Diameter, calculates the bullets Sectional Density.",
           "&Calculate Bullet Sectional Density", "sectionalDensityButton",
           [this] { SmallCalculatorWindow::sectionalDensity(this)->exec(); });
  addPanel(0, 1, "Using bullets Weight and Velocity, computes the bullets energy",
           "Calculate Muzzle Energy", "energyButton",
           [this] { SmallCalculatorWindow::energy(this)->exec(); });
  addPanel(1, 1,
           "Using Bullet, Powder and Gun weights as well as muzzle velocity, calculates recoil in "
           "ft/lbs.",
           "Calculate Recoil", "recoilButton",
           [this] { SmallCalculatorWindow::recoil(this)->exec(); });
  addPanel(0, 2, "Using bullet Weight, Caliber (diameter) and Velocity, computes Taylor K.O. value",
           "Calculate Taylor Knockout Factor", "taylorKnockoutButton",
           [this] { SmallCalculatorWindow::taylorKnockout(this)->exec(); });
  addPanel(1, 2, "Converts many different unit types between english and metric.",
           "English / Metric Unit Converter", "unitConverterButton",
           [this] { UnitConverterWindow(this).exec(); });

  const DialogUnits units(font());
  resize(units.x(351), units.y(229));
}

void MiscPageWidget::addPanel(int column, int row, const char* description, const char* caption,
                              const QString& name, std::function<void()> open) {
  auto* panel = new QGroupBox(this);
  auto* text = new QLabel(QString::fromUtf8(description), panel);
  text->setWordWrap(true);
  text->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
  auto* button = new QPushButton(QString::fromUtf8(caption), panel);
  button->setObjectName(name);
  // Enter on the focused button opens its calculator, as Space does.
  button->setAutoDefault(true);
  connect(button, &QPushButton::clicked, this, std::move(open));

  auto* stack = new QVBoxLayout(panel);
  stack->addWidget(text, 1);
  stack->addWidget(button);
  static_cast<QGridLayout*>(layout())->addWidget(panel, row, column);
}

}  // namespace deadhold::ui
