#include "qt_ballistics_page_dialogs.h"

#include "entry_window.h"
#include "printing/print_jobs.h"
#include "shell/application.h"
#include "taylor_ko_table_window.h"

namespace deadhold::ui {

QtBallisticsPageDialogs::QtBallisticsPageDialogs(Application& application, QWidget* parent)
    : application_(application), parent_(parent) {}

bool QtBallisticsPageDialogs::runKillZone(KillZoneDialog& dialog) {
  EntryWindow window(
      {KillZoneDialog::kTitle, KillZoneDialog::kLabel, KillZoneDialog::kOkCaption,
       KillZoneDialog::kCancelCaption},
      dialog.okEnabled(),
      [&dialog](const std::string& text) {
        dialog.setFieldText(text);
        return dialog.okEnabled();
      },
      0, 160, 62, parent_);
  return window.exec() == QDialog::Accepted;
}

bool QtBallisticsPageDialogs::runCaliberEntry(CaliberDialog& dialog) {
  EntryWindow window(
      {CaliberDialog::kTitle, CaliberDialog::kLabel, CaliberDialog::kAcceptCaption,
       CaliberDialog::kCancelCaption},
      dialog.acceptEnabled(),
      [&dialog](const std::string& text) {
        dialog.setFieldText(text);
        return dialog.acceptEnabled();
      },
      CaliberDialog::kTypingLimit, 142, 76, parent_);
  return window.exec() == QDialog::Accepted;
}

void QtBallisticsPageDialogs::showTaylorKoTable(const TaylorKoTableDialog& table) {
  TaylorKoTableWindow window(table, parent_);
  window.exec();
}

void QtBallisticsPageDialogs::printBallistics() {
  printReport(ReportPrintJob{}, application_.dialogs(), application_.ballisticsPage(),
              application_.database().currentLoad());
}

}  // namespace deadhold::ui
