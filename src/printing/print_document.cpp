#include "printing/print_document.h"

namespace deadhold {

bool printDocument(PrintTarget& printer, int pages,
                   const std::function<void(Surface&)>& renderPage) {
  if (!printer.startDocument("")) {
    printer.abandonDocument();
    return false;
  }
  for (int page = 0; page < pages; ++page) {
    if (!printer.startPage()) {
      printer.abandonDocument();
      return false;
    }
    renderPage(printer.surface());
    if (!printer.endPage()) {
      printer.abandonDocument();
      return false;
    }
  }
  return printer.endDocument();
}

}  // namespace deadhold
