#pragma once

#include <QDialog>

namespace deadhold {
class TaylorKoTableDialog;
}

namespace deadhold::ui {

// "Taylor KO Values": what the knock-out value is, the caliber and weight it was worked out
// for, and the rating of each species at 100 to 800 yards. "Return" closes it.
class TaylorKoTableWindow : public QDialog {
  Q_OBJECT

 public:
  explicit TaylorKoTableWindow(const TaylorKoTableDialog& table, QWidget* parent = nullptr);
};

}  // namespace deadhold::ui
