#pragma once

#include <QWidget>

class QTabWidget;

namespace deadhold::ui {

// The program's one window: the four tab pages under a fixed-size frame.
class MainWindow : public QWidget {
  Q_OBJECT

 public:
  explicit MainWindow(QWidget* parent = nullptr);

 private:
  QTabWidget* tabs_;
};

}  // namespace deadhold::ui
