#include <QApplication>
#include <clocale>
#include <memory>

#include "app_icon.h"
#include "main_window.h"
#include "qt_dialogs.h"
#include "qt_user_settings.h"
#include "shell/application.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  // Qt adopts the user's locale; numbers in fields, files and reports always use '.'.
  std::setlocale(LC_NUMERIC, "C");
  application.setWindowIcon(deadhold::ui::applicationIcon());

  deadhold::ui::QtDialogs dialogs;
  deadhold::ui::QtUserSettings settings;
  const auto program = std::make_unique<deadhold::Application>(
      dialogs, deadhold::Application::captureStartDirectory(), settings);
  deadhold::ui::MainWindow window(*program);
  window.show();
  return application.exec();
}
