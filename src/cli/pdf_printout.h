#pragma once

#include <functional>
#include <set>
#include <string>

#include "pdf_printer_dialogs.h"

namespace deadhold::cli {

// Runs one printout into the PDF file `pdf`, without a display: loads the PDF module, hands the
// printout dialogs that print into the file, says every message the program would have shown
// (each once, except those titled in `unsaidTitles`, which the printout reports its own way), and
// refuses when no page was written. `printout` answers the command's exit status; so does this.
int printToPdf(const std::string& pdf, const std::function<int(PdfPrinterDialogs&)>& printout,
               const std::set<std::string>& unsaidTitles = {});

}  // namespace deadhold::cli
