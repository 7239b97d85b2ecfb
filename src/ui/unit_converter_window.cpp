#include "unit_converter_window.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <utility>
#include <vector>

#include "dialog_units.h"
#include "limited_line_edit.h"
#include "window_size.h"

namespace deadhold::ui {
namespace {

using Converter = UnitConverterDialog;

// The rows of each group: lengths, speeds, temperatures, each field under its label.
using Rows = std::vector<std::vector<int>>;
const Rows kEnglishRows = {{Converter::Inches, Converter::Feet, Converter::Yards},
                           {Converter::FeetPerSecond, Converter::Mph},
                           {Converter::Fahrenheit}};
const Rows kMetricRows = {{Converter::Millimeters, Converter::Centimeters, Converter::Meters},
                          {Converter::MetersPerSecond, Converter::Kph},
                          {Converter::Celsius}};

}  // namespace

UnitConverterWindow::UnitConverterWindow(QWidget* parent) : QDialog(parent) {
  setFont(windowFont());
  setWindowTitle(QString::fromUtf8(Converter::kTitle));

  auto* groups = new QHBoxLayout;
  for (const auto& [caption, rows] : {std::pair{Converter::kEnglishGroup, kEnglishRows},
                                      std::pair{Converter::kMetricGroup, kMetricRows}}) {
    auto* group = new QGroupBox(QString::fromUtf8(caption), this);
    auto* grid = new QGridLayout(group);
    int row = 0;
    for (const auto& fields : rows) {
      int column = 0;
      for (int field : fields) {
        LimitedLineEdit* edit = makeField(field);
        auto* label = new QLabel(QString::fromUtf8(Converter::info(field).label), group);
        label->setBuddy(edit);
        label->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
        grid->addWidget(label, row, column);
        grid->addWidget(edit, row + 1, column);
        ++column;
      }
      row += 2;
    }
    groups->addWidget(group);
  }

  auto* ok = new QPushButton("OK", this);
  ok->setObjectName("okButton");
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(ok);

  auto* column = new QVBoxLayout(this);
  column->addLayout(groups);
  column->addLayout(buttons);

  showTexts();
  for (int field = 1; field <= Converter::kFieldCount; ++field)
    connect(fields_[field - 1], &LimitedLineEdit::userChanged, this,
            [this, field](const QString& text) { fieldEdited(field, text); });
  fixWindowSize(*this, 282, 151);
}

LimitedLineEdit* UnitConverterWindow::makeField(int field) {
  // The limit binds typing only: a longer result of the converter's own is shown whole.
  auto* edit = new LimitedLineEdit(Converter::kTypingLimit, this);
  edit->setObjectName(QString::fromUtf8(Converter::info(field).label));
  fields_[field - 1] = edit;
  return edit;
}

void UnitConverterWindow::fieldEdited(int field, const QString& text) {
  converter_.setFieldText(field, text.toStdString());
  showTexts();
}

void UnitConverterWindow::showTexts() {
  for (int field = 1; field <= Converter::kFieldCount; ++field) {
    if (field == converter_.sourceField()) continue;
    fields_[field - 1]->showText(QString::fromStdString(converter_.fieldText(field)));
  }
}

}  // namespace deadhold::ui
