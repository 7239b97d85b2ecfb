#include "main_window.h"

#include <QTabWidget>
#include <QVBoxLayout>

namespace deadhold::ui {

MainWindow::MainWindow(QWidget* parent) : QWidget(parent), tabs_(new QTabWidget(this)) {
  setWindowTitle("Deadhold, Computer Reloading and Ballistics Software v1.6");
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  for (const char* caption :
       {"Load Information", "Ballistics Calculator", "Misc Functions", "Help"})
    tabs_->addTab(new QWidget, caption);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tabs_);
}

}  // namespace deadhold::ui
