#pragma once

#include <filesystem>
#include <memory>
#include <optional>

#include "message_collector.h"
#include "surface/pdf_print_target.h"

namespace deadhold::cli {

// The program's dialogs for `print`, which asks nobody: messages are kept, the one question the
// printouts ask (the "WARNING" whether to print a load without its ballistics data) is answered
// OK, and the print dialog "chooses" a PDF file: a Letter page with the margins of Qt's
// print-to-file, at 1200 dots per inch, as the program's own PDF printing has it. Needs a
// QGuiApplication.
class PdfPrinterDialogs : public MessageCollector {
 public:
  explicit PdfPrinterDialogs(const std::filesystem::path& pdf);

  Answer messageBox(const std::string& text, const std::string& title, Buttons buttons,
                    Icon icon) override;
  std::unique_ptr<PrintTarget> choosePrinter() override;

  // A document of at least one page was ended and its file written.
  bool printed() const { return pagesPrinted_ > 0 && documentEnded_; }
  const std::optional<FileError>& writeError() const { return target_.writeError(); }

 private:
  class JobTarget;

  ui::PdfPrintTarget target_;
  int pagesPrinted_ = 0;
  bool documentEnded_ = false;
};

}  // namespace deadhold::cli
