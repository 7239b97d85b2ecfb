#include "qt_dialogs.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

#include "file_filter.h"
#include "loads/load_messages.h"
#include "qt_print_target.h"
#include "surface/pdf_print_target.h"

namespace deadhold::ui {

namespace {

QMessageBox::Icon qtIcon(Icon icon) {
  switch (icon) {
    case Icon::Information:
      return QMessageBox::Information;
    case Icon::Exclamation:
      return QMessageBox::Warning;
    case Icon::Question:
      return QMessageBox::Question;
    case Icon::Error:
      return QMessageBox::Critical;
    case Icon::None:
      break;
  }
  return QMessageBox::NoIcon;
}

// Hides the page range box of Qt's print dialog each time the dialog shows.
class PageRangeHider : public QObject {
 public:
  explicit PageRangeHider(QDialog& dialog) : dialog_(dialog) { dialog.installEventFilter(this); }
  ~PageRangeHider() override { dialog_.removeEventFilter(this); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show)
      if (auto* range = dialog_.findChild<QWidget*>("gbPrintRange")) range->hide();
    return QObject::eventFilter(watched, event);
  }

 private:
  QDialog& dialog_;
};

// The window a message or prompt belongs to, which it opens centred on: the active window, or,
// when that one has just closed (a message right after its entry dialog), the window it belonged
// to; without either, the program's visible main window.
QWidget* owningWindow() {
  QWidget* window = QApplication::activeModalWidget();
  if (window == nullptr) window = QApplication::activeWindow();
  while (window != nullptr && !window->isVisible())
    window = window->parentWidget() != nullptr ? window->parentWidget()->window() : nullptr;
  if (window != nullptr) return window;
  for (QWidget* topLevel : QApplication::topLevelWidgets())
    if (topLevel->isVisible() && topLevel->parentWidget() == nullptr &&
        topLevel->windowType() == Qt::Window)
      return topLevel;
  return nullptr;
}

std::optional<std::filesystem::path> runFilePrompt(const FilePrompt& prompt,
                                                   QFileDialog::AcceptMode mode) {
  QFileDialog dialog(owningWindow());
  // Qt's own dialog on every desktop: it honours the default extension and asks before
  // overwriting, which some native dialogs leave to the caller.
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(mode);
  dialog.setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile
                                                     : QFileDialog::ExistingFile);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, !prompt.confirmOverwrite);
  dialog.setOption(QFileDialog::HideNameFilterDetails);
  dialog.setNameFilters(qtNameFilters(prompt.filter));
  if (!prompt.initialFolder.empty())
    dialog.setDirectory(QFile::decodeName(prompt.initialFolder.c_str()));
  QString suffix = QString::fromStdString(prompt.defaultExtension);
  if (suffix.startsWith('.')) suffix.remove(0, 1);
  dialog.setDefaultSuffix(suffix);
  if (!prompt.defaultName.empty()) dialog.selectFile(QString::fromStdString(prompt.defaultName));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return std::filesystem::path(
      QFile::encodeName(dialog.selectedFiles().constFirst()).toStdString());
}

}  // namespace

Answer QtDialogs::messageBox(const std::string& text, const std::string& title, Buttons buttons,
                             Icon icon) {
  // Messages are the program's own words and the names of files, as the system spells them.
  QMessageBox box(qtIcon(icon), QString::fromStdString(title), QString::fromStdString(text),
                  QMessageBox::NoButton, owningWindow());
  switch (buttons) {
    case Buttons::Ok:
      box.setStandardButtons(QMessageBox::Ok);
      box.exec();
      return Answer::Ok;
    case Buttons::OkCancel:
      box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
      box.setDefaultButton(QMessageBox::Ok);
      box.setEscapeButton(QMessageBox::Cancel);
      return box.exec() == QMessageBox::Ok ? Answer::Ok : Answer::Cancel;
    case Buttons::YesNo:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
      box.setDefaultButton(QMessageBox::Yes);
      return box.exec() == QMessageBox::Yes ? Answer::Yes : Answer::No;
  }
  return Answer::Cancel;
}

std::optional<std::filesystem::path> QtDialogs::promptSave(const FilePrompt& prompt) {
  return runFilePrompt(prompt, QFileDialog::AcceptSave);
}

std::optional<std::filesystem::path> QtDialogs::promptOpen(const FilePrompt& prompt) {
  return runFilePrompt(prompt, QFileDialog::AcceptOpen);
}

std::unique_ptr<PrintTarget> QtDialogs::choosePrinter() {
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  QPrintDialog dialog(printer.get(), owningWindow());
  // Every printout is whole: no page range, no selection. Printing to a PDF file stays open to
  // users without a printer.
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
  dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
  dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
  dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
  // Qt's own dialog still shows its range box when it opens, whatever the options; every
  // printout is printed whole, so the box goes once the dialog has set itself up.
  PageRangeHider hider(dialog);
  if (dialog.exec() != QDialog::Accepted) return nullptr;
  if (printer->outputFormat() == QPrinter::PdfFormat && !printer->outputFileName().isEmpty()) {
    const std::filesystem::path file(QFile::encodeName(printer->outputFileName()).toStdString());
    return std::make_unique<PdfPrintTarget>(
        file, printer->pageLayout(), printer->resolution(), [](const FileError& error) {
          QtDialogs().messageBox(error.message, kFileErrorTitle, Buttons::Ok, Icon::Error);
        });
  }
  return std::make_unique<QtPrintTarget>(std::move(printer));
}

}  // namespace deadhold::ui
