#include "qt_ballistics_page_dialogs.h"

#include "caliber_window.h"
#include "kill_zone_window.h"
#include "taylor_ko_table_window.h"

namespace deadhold::ui {

QtBallisticsPageDialogs::QtBallisticsPageDialogs(Application& application, QWidget* parent)
    : application_(application), parent_(parent) {}

bool QtBallisticsPageDialogs::runKillZone(KillZoneDialog& dialog) {
  KillZoneWindow window(dialog, parent_);
  return window.exec() == QDialog::Accepted;
}

bool QtBallisticsPageDialogs::runCaliberEntry(CaliberDialog& dialog) {
  CaliberWindow window(dialog, parent_);
  return window.exec() == QDialog::Accepted;
}

void QtBallisticsPageDialogs::showTaylorKoTable(const TaylorKoTableDialog& table) {
  TaylorKoTableWindow window(table, parent_);
  window.exec();
}

void QtBallisticsPageDialogs::printBallistics() {
  // The report page is printed here once the printing of reports exists; the page recomputes
  // afterwards either way.
}

}  // namespace deadhold::ui
