#include "pdf_module.h"

namespace deadhold::cli {

// A build without Qt (the Windows one among them) has no PDF writer to load.
std::unique_ptr<PdfModule> loadPdfModule(std::string& whyNot) {
  whyNot = "PDF output is not available: this deadhold-cli was built without Qt";
  return nullptr;
}

}  // namespace deadhold::cli
