#include "unit_converter_window.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <utility>
#include <vector>

#include "dialog_units.h"
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
        QLineEdit* edit = makeField(field);
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
    connect(fields_[field - 1], &QLineEdit::textChanged, this,
            [this, field](const QString& text) { fieldEdited(field, text); });
  fixWindowSize(*this, 282, 151);
}

QLineEdit* UnitConverterWindow::makeField(int field) {
  auto* edit = new QLineEdit(this);
  edit->setObjectName(QString::fromUtf8(Converter::info(field).label));
  // A typing limit only: a longer result the converter writes itself is still shown in full.
  static const QRegularExpression kLimit(QString("^.{0,%1}$").arg(Converter::kTypingLimit));
  edit->setValidator(new QRegularExpressionValidator(kLimit, edit));
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
    QLineEdit* edit = fields_[field - 1];
    const QString text = QString::fromStdString(converter_.fieldText(field));
    if (edit->text() == text) continue;
    const QSignalBlocker blocker(edit);
    edit->setText(text);
    edit->setCursorPosition(0);
  }
}

}  // namespace deadhold::ui
