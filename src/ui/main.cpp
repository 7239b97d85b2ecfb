#include <QApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTimer>
#include <clocale>
#include <memory>

#include "app_icon.h"
#include "common/path_text.h"
#include "main_window.h"
#include "platform/dialogs.h"
#include "qt_dialogs.h"
#include "qt_user_settings.h"
#include "shell/application.h"
#include "shell/files_folder.h"

namespace {

std::filesystem::path fromQt(const QString& path) {
  return std::filesystem::path(QFile::encodeName(path).toStdString());
}

// The starter catalogues: installed beside the program's share folder, or in the source tree
// of a build that was not installed.
std::filesystem::path starterCatalogues() {
  const QString installed = QCoreApplication::applicationDirPath() + "/../share/deadhold";
  if (QDir(installed).exists()) return fromQt(QDir::cleanPath(installed));
  return DEADHOLD_RESOURCES_DIR;
}

// Settles the folder of the load book and catalogues and makes it the working folder, where the
// program opens them. Returns the load file to offer for import, if it was started with one.
std::optional<std::filesystem::path> settleFilesFolder(deadhold::Dialogs& dialogs) {
  std::vector<std::filesystem::path> arguments;
  for (const QString& argument : QCoreApplication::arguments().mid(1))
    arguments.push_back(fromQt(argument));
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  const auto choice = deadhold::chooseFilesFolder(arguments, fromQt(QDir::currentPath()),
                                                  fromQt(documents) / "Deadhold");
  if (!choice.problem.empty())
    dialogs.messageBox(choice.problem, "Error", deadhold::Buttons::Ok, deadhold::Icon::Error);
  if (choice.perUser) {
    if (const auto failure = deadhold::prepareFilesFolder(choice.folder, starterCatalogues())) {
      dialogs.messageBox(failure->message + "\n\nThe files are kept in the current folder.",
                         "FILE ERROR", deadhold::Buttons::Ok, deadhold::Icon::Error);
      return choice.loadFile;
    }
  }
  QDir::setCurrent(QString::fromStdString(deadhold::pathText(choice.folder)));
  return choice.loadFile;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  // Qt adopts the user's locale; numbers in fields, files and reports always use '.'.
  std::setlocale(LC_NUMERIC, "C");
  application.setWindowIcon(deadhold::ui::applicationIcon());
  QGuiApplication::setDesktopFileName("org.deadhold.Deadhold");

  deadhold::ui::QtDialogs dialogs;
  deadhold::ui::QtUserSettings settings;
  const auto loadFile = settleFilesFolder(dialogs);
  const auto program = std::make_unique<deadhold::Application>(
      dialogs, deadhold::Application::captureStartDirectory(), settings);
  deadhold::ui::MainWindow window(*program);
  window.show();
  // Asked once the window is up, so that the question stands in front of the program.
  if (loadFile) QTimer::singleShot(0, &window, [&] { program->offerImport(*loadFile); });
  return application.exec();
}
