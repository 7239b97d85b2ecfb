#include "pdf_module.h"

#include <QGuiApplication>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <clocale>
#include <iostream>

#include "surface/pdf_print_target.h"

namespace deadhold::cli {
namespace {

constexpr int kResolution = 1200;  // dots per inch, the program's printer resolution
constexpr double kMargin = 10;     // points all round, as Qt's print-to-file has it

QPageLayout letterPage() {
  return QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                     QMarginsF(kMargin, kMargin, kMargin, kMargin), QPageLayout::Point);
}

// Qt's fonts and PDF writer without a display.
class QtPdfModule : public PdfModule {
 public:
  QtPdfModule() {
    std::setlocale(LC_ALL, "C");  // Qt adopted the user's locale; formats keep the '.'
  }

  std::unique_ptr<PrintTarget> openDocument(
      const std::filesystem::path& file,
      std::function<void(const FileError&)> onWriteFailure) override {
    return std::make_unique<ui::PdfPrintTarget>(file, letterPage(), kResolution,
                                                std::move(onWriteFailure));
  }

 private:
  struct Offscreen {
    Offscreen() {
      qputenv("QT_QPA_PLATFORM", "offscreen");
      // Qt's chatter about the desktop it runs without is no concern of deadhold-cli.
      qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
          std::cerr << "deadhold-cli: " << text.toLocal8Bit().constData() << "\n";
      });
    }
  };

  Offscreen offscreen_;  // before the application starts
  int argc_ = 1;
  char name_[13] = "deadhold-cli";
  char* argv_[2] = {name_, nullptr};
  QGuiApplication application_{argc_, argv_};
};

}  // namespace
}  // namespace deadhold::cli

extern "C" __attribute__((visibility("default"))) deadhold::cli::PdfModule*
deadhold_cli_pdf_module() {
  return new deadhold::cli::QtPdfModule();
}
