#include <QApplication>
#include <clocale>

#include "main_window.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  // Qt adopts the user's locale; numbers in fields, files and reports always use '.'.
  std::setlocale(LC_NUMERIC, "C");
  deadhold::ui::MainWindow window;
  window.show();
  return application.exec();
}
