#include "qt_load_info_dialogs.h"

#include "shell/application.h"

namespace deadhold::ui {

QtLoadInfoDialogs::QtLoadInfoDialogs(Application& application, QWidget* parent)
    : application_(application), parent_(parent) {}

// The load editor, the Open Load browser, the large target and the load printout each open
// from here once their dialogs exist; until then the buttons leave the load book untouched.

bool QtLoadInfoDialogs::runEditLoad(LoadRecord&) {
  return false;
}

void QtLoadInfoDialogs::runOpenLoad() {}

void QtLoadInfoDialogs::runShotString(LoadRecord&) {}

void QtLoadInfoDialogs::printLoad() {}

}  // namespace deadhold::ui
