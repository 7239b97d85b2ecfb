#include "ladder_chart_window.h"

#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "common/cformat.h"
#include "loadinfo/ladder_chart_dialog.h"
#include "loads/sample_loads.h"
#include "window_grab.h"

using deadhold::LadderBars;
using deadhold::LadderChart;
using deadhold::LadderChartDialog;

class LadderChartWindowTest : public QObject {
  Q_OBJECT

 private slots:
  // Five rungs of a .308 ladder; the window draws them and prints with the bars chosen.
  void drawsFiveLoadsAndPrintsWithTheBarsChosen() {
    std::vector<deadhold::LoadRecord> loads;
    for (int i = 0; i < 5; ++i) {
      deadhold::LoadRecord load = deadhold::testing::makeLoad(
          ".308 Win", 168, "Sierra", "MatchKing", deadhold::cformat("Ladder %.1f", 41 + i / 2.0));
      load.powderMfg.assign("Hodgdon");
      load.powderType.assign("Varget");
      load.powderWeight = 41.0f + i / 2.0f;
      const float speeds[] = {2630, 2645, 2641, 2652};
      for (int shot = 0; shot < 4; ++shot)
        load.shots[shot] = {speeds[shot] + 35 * i + (i == 2 ? 0 : shot * i), 0.1f * shot * (i % 3),
                            0.15f * shot, 0, 1};
      loads.push_back(load);
    }
    std::vector<const deadhold::LoadRecord*> pointers;
    for (const auto& load : loads) pointers.push_back(&load);

    std::vector<LadderBars> printed;
    LadderChartDialog dialog(deadhold::ladderChart(pointers, loads[0]),
                             [&printed](const LadderChart& chart, LadderBars bars) {
                               QCOMPARE(chart.points.size(), std::size_t(5));
                               printed.push_back(bars);
                             });
    deadhold::ui::LadderChartWindow window(dialog);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.windowTitle(), QString("Ladder Chart"));
    deadhold::testing::saveWindowGrab(window, "ladder_chart");

    window.deviationBars()->click();
    QCOMPARE(dialog.bars(), LadderBars::standardDeviation);
    window.findChild<QPushButton*>("print")->click();
    QCOMPARE(printed, std::vector<LadderBars>{LadderBars::standardDeviation});
    deadhold::testing::saveWindowGrab(window, "ladder_chart_sd");
  }
};

QTEST_MAIN(LadderChartWindowTest)
#include "ladder_chart_window_test.moc"
