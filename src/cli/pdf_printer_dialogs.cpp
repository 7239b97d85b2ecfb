#include "pdf_printer_dialogs.h"

namespace deadhold::cli {

// What a print job gets from the print dialog: the PDF file, whose outcome the dialogs keep
// after the job has let go of its printer.
class PdfPrinterDialogs::JobTarget : public PrintTarget {
 public:
  explicit JobTarget(PdfPrinterDialogs& dialogs) : dialogs_(dialogs) {}

  Surface& surface() override { return pdf().surface(); }
  int printableWidth() const override { return dialogs_.document_->printableWidth(); }
  int printableHeight() const override { return dialogs_.document_->printableHeight(); }
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
  PrintTarget& pdf() { return *dialogs_.document_; }

  PdfPrinterDialogs& dialogs_;
};

PdfPrinterDialogs::PdfPrinterDialogs(PdfModule& module, const std::filesystem::path& pdf)
    : document_(module.openDocument(pdf, [this](const FileError& error) { writeError_ = error; })) {
}

Answer PdfPrinterDialogs::messageBox(const std::string& text, const std::string& title,
                                     Buttons buttons, Icon icon) {
  const Answer kept = MessageCollector::messageBox(text, title, buttons, icon);
  return buttons == Buttons::OkCancel ? Answer::Ok : kept;
}

std::unique_ptr<PrintTarget> PdfPrinterDialogs::choosePrinter() {
  return std::make_unique<JobTarget>(*this);
}

}  // namespace deadhold::cli
