#pragma once

#include <filesystem>
#include <memory>
#include <optional>

#include "message_collector.h"
#include "pdf_module.h"

namespace deadhold::cli {

// The program's dialogs for a command that prints into a PDF and asks nobody: messages are kept,
// the one question the printouts ask (the "WARNING" whether to print a load without its
// ballistics data) is answered OK, and the print dialog "chooses" the PDF file of `module`.
class PdfPrinterDialogs : public MessageCollector {
 public:
  PdfPrinterDialogs(PdfModule& module, const std::filesystem::path& pdf);

  Answer messageBox(const std::string& text, const std::string& title, Buttons buttons,
                    Icon icon) override;
  std::unique_ptr<PrintTarget> choosePrinter() override;

  // A document of at least one page was ended and its file written.
  bool printed() const { return pagesPrinted_ > 0 && documentEnded_; }
  const std::optional<FileError>& writeError() const { return writeError_; }

 private:
  class JobTarget;

  std::optional<FileError> writeError_;
  std::unique_ptr<PrintTarget> document_;
  int pagesPrinted_ = 0;
  bool documentEnded_ = false;
};

}  // namespace deadhold::cli
