#include "pdf_printout.h"

#include <iostream>

#include "command_registry.h"
#include "load_book.h"

namespace deadhold::cli {

int printToPdf(const std::string& pdf, const std::function<int(PdfPrinterDialogs&)>& printout,
               const std::set<std::string>& unsaidTitles) {
  std::string whyNot;
  const std::unique_ptr<PdfModule> module = loadPdfModule(whyNot);
  if (!module) {
    refuse(whyNot);
    return kExitRefused;
  }
  PdfPrinterDialogs dialogs(*module, pdf);
  const int status = printout(dialogs);
  // Each message once: a page may repeat its own at every Re-Compute of the printout.
  std::set<std::string> said;
  for (const auto& message : dialogs.messages()) {
    const std::string line = MessageCollector::oneLine(message);
    if (!unsaidTitles.contains(message.title) && said.insert(line).second)
      std::cerr << "deadhold-cli: " << line << "\n";
  }
  if (status != kExitOk) return status;
  if (dialogs.writeError()) {
    refuse(dialogs.writeError()->message);
    return kExitRefused;
  }
  if (!dialogs.printed()) {
    refuse("nothing was printed");
    return kExitRefused;
  }
  return kExitOk;
}

}  // namespace deadhold::cli
