#pragma once

#include "loadinfo/ladder_chart.h"
#include "loadinfo/load_info_dialogs.h"

class QWidget;

namespace deadhold {
class Application;
}

namespace deadhold::ui {

// The Load Information page's dialogs in Qt, opened modally over `parent`. Each reaches what it
// works on (the load book, the catalogues, the Ballistics Calculator for printing) through the
// application.
class QtLoadInfoDialogs : public LoadInfoDialogs {
 public:
  QtLoadInfoDialogs(Application& application, QWidget* parent);

  bool runEditLoad(LoadRecord& record) override;
  void runOpenLoad() override;
  void runShotString(LoadRecord& record) override;
  void printLoad() override;
  // "&Print Load List" of the Open Load browser: every load of the book, in list order.
  void printLoadList();
  // "&Ladder Chart" of the Open Load browser: the chart's window over the browser.
  void showLadderChart(const LadderChart& chart);

 private:
  Application& application_;
  QWidget* parent_;
};

}  // namespace deadhold::ui
