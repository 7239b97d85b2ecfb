#include "pdf_printer_dialogs.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>

namespace deadhold::cli {

namespace {

constexpr int kResolution = 1200;  // dots per inch, the program's printer resolution
constexpr double kMargin = 10;     // points all round, as Qt's print-to-file has it

QPageLayout letterPage() {
  return QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                     QMarginsF(kMargin, kMargin, kMargin, kMargin), QPageLayout::Point);
}

}  // namespace

// What a print job gets from the print dialog: the PDF file, whose outcome the dialogs keep
// after the job has let go of its printer.
class PdfPrinterDialogs::JobTarget : public PrintTarget {
 public:
  explicit JobTarget(PdfPrinterDialogs& dialogs) : dialogs_(dialogs) {}

  Surface& surface() override { return pdf().surface(); }
  int printableWidth() const override { return dialogs_.target_.printableWidth(); }
  int printableHeight() const override { return dialogs_.target_.printableHeight(); }
  bool startDocument(const std::string& name) override { return pdf().startDocument(name); }
  bool startPage() override { return pdf().startPage(); }
  bool endPage() override {
    const bool ended = pdf().endPage();
    if (ended) ++dialogs_.pagesPrinted_;
    return ended;
  }
  bool endDocument() override {
    dialogs_.documentEnded_ = pdf().endDocument();
    return dialogs_.documentEnded_;
  }
  void abandonDocument() override {
    dialogs_.pagesPrinted_ = 0;
    pdf().abandonDocument();
  }

 private:
  ui::PdfPrintTarget& pdf() { return dialogs_.target_; }

  PdfPrinterDialogs& dialogs_;
};

PdfPrinterDialogs::PdfPrinterDialogs(const std::filesystem::path& pdf)
    : target_(pdf, letterPage(), kResolution) {}

Answer PdfPrinterDialogs::messageBox(const std::string& text, const std::string& title,
                                     Buttons buttons, Icon icon) {
  const Answer kept = MessageCollector::messageBox(text, title, buttons, icon);
  return buttons == Buttons::OkCancel ? Answer::Ok : kept;
}

std::unique_ptr<PrintTarget> PdfPrinterDialogs::choosePrinter() {
  return std::make_unique<JobTarget>(*this);
}

}  // namespace deadhold::cli
