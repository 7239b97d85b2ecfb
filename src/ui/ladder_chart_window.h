#pragma once

#include <QDialog>

class QRadioButton;

namespace deadhold {
class LadderChartDialog;
}

namespace deadhold::ui {

// The "Ladder Chart" window: the chart drawn to fit the window as it is resized, the choice of
// bars, "&Print" and "&Close".
class LadderChartWindow : public QDialog {
  Q_OBJECT

 public:
  LadderChartWindow(LadderChartDialog& dialog, QWidget* parent = nullptr);

  QWidget* chart() const { return chart_; }
  QRadioButton* deviationBars() const { return deviation_; }

 private:
  LadderChartDialog& dialog_;
  QWidget* chart_;
  QRadioButton* deviation_;
};

}  // namespace deadhold::ui
