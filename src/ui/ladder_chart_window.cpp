#include "ladder_chart_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "dialog_units.h"
#include "loadinfo/ladder_chart_dialog.h"
#include "surface/qpainter_surface.h"

namespace deadhold::ui {
namespace {

// Paints the chart over a white sheet, filling the widget less a margin.
class ChartArea : public QWidget {
 public:
  ChartArea(const LadderChartDialog& dialog, QWidget* parent) : QWidget(parent), dialog_(dialog) {
    setMinimumSize(480, 360);
    setAutoFillBackground(true);
    QPalette sheet = palette();
    sheet.setColor(QPalette::Window, Qt::white);
    setPalette(sheet);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterSurface surface(painter);
    constexpr int kMargin = 12;
    dialog_.paint(surface, {kMargin, kMargin, width() - kMargin, height() - kMargin});
  }

 private:
  const LadderChartDialog& dialog_;
};

}  // namespace

LadderChartWindow::LadderChartWindow(LadderChartDialog& dialog, QWidget* parent)
    : QDialog(parent), dialog_(dialog), chart_(new ChartArea(dialog, this)) {
  setFont(windowFont());
  setWindowTitle(LadderChartDialog::kTitle);
  chart_->setObjectName("chart");

  auto* spread = new QRadioButton(LadderChartDialog::kSpreadCaption, this);
  spread->setObjectName("spreadBars");
  spread->setChecked(dialog.bars() == LadderBars::extremeSpread);
  deviation_ = new QRadioButton(LadderChartDialog::kDeviationCaption, this);
  deviation_->setObjectName("deviationBars");
  deviation_->setChecked(dialog.bars() == LadderBars::standardDeviation);
  connect(deviation_, &QRadioButton::toggled, this, [this](bool deviation) {
    dialog_.setBars(deviation ? LadderBars::standardDeviation : LadderBars::extremeSpread);
    chart_->update();
  });
  auto* print = new QPushButton(LadderChartDialog::kPrintCaption, this);
  print->setObjectName("print");
  print->setAutoDefault(false);
  connect(print, &QPushButton::clicked, this, [this] { dialog_.print(); });
  auto* close = new QPushButton("&Close", this);
  close->setDefault(true);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);

  auto* row = new QHBoxLayout;
  row->addWidget(new QLabel("Bars:", this));
  row->addWidget(spread);
  row->addWidget(deviation_);
  row->addStretch(1);
  row->addWidget(print);
  row->addWidget(close);
  auto* column = new QVBoxLayout(this);
  column->addWidget(chart_, 1);
  column->addLayout(row);
  resize(760, 620);
}

}  // namespace deadhold::ui
