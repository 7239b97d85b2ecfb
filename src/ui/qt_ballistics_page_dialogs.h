#pragma once

#include "ballistics/ballistics_page_dialogs.h"

class QWidget;

namespace deadhold {
class Application;
}

namespace deadhold::ui {

// The Ballistics Calculator's dialogs in Qt, opened modally over `parent`. Printing reaches the
// page, the engine and the printer through the application.
class QtBallisticsPageDialogs : public BallisticsPageDialogs {
 public:
  QtBallisticsPageDialogs(Application& application, QWidget* parent);

  bool runKillZone(KillZoneDialog& dialog) override;
  bool runCaliberEntry(CaliberDialog& dialog) override;
  void showTaylorKoTable(const TaylorKoTableDialog& table) override;
  void printBallistics() override;

 private:
  Application& application_;
  QWidget* parent_;
};

}  // namespace deadhold::ui
