#include "calculator_form.h"

#include <QDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace deadhold::ui {
namespace {

QLineEdit* addRow(QGridLayout& grid, const char* label, const QString& name, QWidget& owner) {
  const int row = grid.rowCount();
  auto* edit = new QLineEdit(&owner);
  edit->setObjectName(name);
  auto* caption = new QLabel(QString::fromUtf8(label), &owner);
  caption->setBuddy(edit);
  grid.addWidget(caption, row, 0);
  grid.addWidget(edit, row, 1);
  return edit;
}

}  // namespace

CalculatorForm::CalculatorForm(QDialog& dialog, const std::vector<const char*>& inputLabels,
                               const std::vector<const char*>& resultLabels,
                               const char* computeCaption, const char* returnCaption)
    : dialog_(dialog), computeButton_(new QPushButton(QString::fromUtf8(computeCaption), &dialog)) {
  auto* grid = new QGridLayout;
  grid->setColumnStretch(1, 1);
  for (std::size_t i = 0; i < inputLabels.size(); ++i)
    inputs_.push_back(addRow(*grid, inputLabels[i], QString("input%1").arg(i), dialog));
  // A gap between what the user types and what the calculator answers.
  grid->setRowMinimumHeight(grid->rowCount(), 6);
  for (std::size_t i = 0; i < resultLabels.size(); ++i) {
    QLineEdit* result = addRow(*grid, resultLabels[i], QString("result%1").arg(i), dialog);
    result->setReadOnly(true);
    results_.push_back(result);
  }

  computeButton_->setObjectName("computeButton");
  computeButton_->setDefault(true);
  computeButton_->setEnabled(false);
  auto* returnButton = new QPushButton(QString::fromUtf8(returnCaption), &dialog);
  returnButton->setObjectName("returnButton");
  QObject::connect(returnButton, &QPushButton::clicked, &dialog, &QDialog::accept);
  // Tab runs down the form as it stands: the fields, then the buttons.
  QWidget::setTabOrder(results_.empty() ? inputs_.back() : results_.back(), computeButton_);
  QWidget::setTabOrder(computeButton_, returnButton);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(computeButton_);
  buttons->addWidget(returnButton);
  auto* column = new QVBoxLayout(&dialog);
  column->addLayout(grid);
  column->addStretch(1);
  column->addLayout(buttons);
}

void CalculatorForm::onInputChanged(
    const std::function<void(std::size_t, const QString&)>& changed) {
  for (std::size_t i = 0; i < inputs_.size(); ++i)
    QObject::connect(inputs_[i], &QLineEdit::textChanged, &dialog_,
                     [changed, i](const QString& text) { changed(i, text); });
}

void CalculatorForm::onCompute(const std::function<void()>& compute) {
  QObject::connect(computeButton_, &QPushButton::clicked, &dialog_, compute);
}

void CalculatorForm::setComputeEnabled(bool enabled) {
  computeButton_->setEnabled(enabled);
}

void CalculatorForm::showResult(std::size_t result, const std::string& text) {
  QLineEdit* field = results_.at(result);
  const QSignalBlocker blocker(field);
  field->setText(QString::fromStdString(text));
  field->setCursorPosition(0);
}

}  // namespace deadhold::ui
