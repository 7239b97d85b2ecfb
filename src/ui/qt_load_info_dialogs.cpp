#include "qt_load_info_dialogs.h"

#include <QApplication>

#include "edit_load_window.h"
#include "ladder_chart_window.h"
#include "loadinfo/edit_load_dialog.h"
#include "loadinfo/ladder_chart_dialog.h"
#include "loadinfo/open_load_dialog.h"
#include "loadinfo/shot_string_dialog.h"
#include "open_load_window.h"
#include "printing/print_jobs.h"
#include "printing/print_load.h"
#include "qt_component_chooser.h"
#include "shell/application.h"
#include "shot_string_window.h"

namespace deadhold::ui {

QtLoadInfoDialogs::QtLoadInfoDialogs(Application& application, QWidget* parent)
    : application_(application), parent_(parent) {}

bool QtLoadInfoDialogs::runEditLoad(LoadRecord& record) {
  QtComponentChooser chooser;
  EditLoadDialog editor(record, application_.dialogs(), chooser);
  EditLoadWindow window(editor, parent_);
  chooser.setParentWindow(&window);
  window.exec();
  if (!editor.accepted()) return false;
  record = editor.record();
  return true;
}

void QtLoadInfoDialogs::runOpenLoad() {
  OpenLoadDialog browser(
      application_.database(), application_.dialogs(), application_.startDirectory(),
      [this] { printLoadList(); }, [this](const LadderChart& chart) { showLadderChart(chart); });
  browser.open();
  if (browser.closed()) return;
  OpenLoadWindow window(browser, parent_);
  window.exec();
}

void QtLoadInfoDialogs::runShotString(LoadRecord& record) {
  ShotStringDialog target(record, application_.dialogs(), application_.startDirectory());
  ShotStringWindow window(target, parent_);
  window.exec();
  // However the window closed, the load's velocity becomes that of its placed shots.
  target.close();
}

void QtLoadInfoDialogs::printLoad() {
  deadhold::printLoad(application_.ballisticsPage(), application_.database(),
                      application_.dialogs());
}

void QtLoadInfoDialogs::showLadderChart(const LadderChart& chart) {
  LadderChartDialog dialog(chart, [this](const LadderChart& shown, LadderBars bars) {
    printLadderChart(application_.dialogs(), shown, bars);
  });
  // Over the Open Load window it was asked from.
  QWidget* over = QApplication::activeModalWidget();
  LadderChartWindow window(dialog, over ? over : parent_);
  window.exec();
}

void QtLoadInfoDialogs::printLoadList() {
  LoadListPrintJob job;
  deadhold::printLoadList(job, application_.dialogs(), application_.database());
}

}  // namespace deadhold::ui
