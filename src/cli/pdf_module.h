#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "common/safe_file_writer.h"
#include "platform/print_target.h"

namespace deadhold::cli {

// The one piece of deadhold-cli that needs Qt: its fonts and PDF writer, in a module of their own
// (deadhold-cli-pdf) that is loaded only by the commands that write a PDF, so that every other
// command starts without loading Qt, and a build without Qt leaves the module out. Holds what Qt
// needs without a display while it lives; every document must be dropped before it.
class PdfModule {
 public:
  virtual ~PdfModule() = default;
  // A PDF file taken as a printer: a Letter page with the margins of Qt's print-to-file, at 1200
  // dots per inch, as the program's own PDF printing has it. The file is replaced safely when the
  // document ends, and `onWriteFailure` hears why when it cannot be; a document without a page
  // writes nothing.
  virtual std::unique_ptr<PrintTarget> openDocument(
      const std::filesystem::path& file, std::function<void(const FileError&)> onWriteFailure) = 0;
};

// The module's one entry point: a new PdfModule, owned by the caller.
using PdfModuleEntry = PdfModule* (*)();
inline constexpr char kPdfModuleEntryName[] = "deadhold_cli_pdf_module";
inline constexpr char kPdfModuleFileName[] = "deadhold-cli-pdf.so";

// Loads the module from the folder of the running deadhold-cli (or ../lib/deadhold from there,
// where it is installed); on failure nothing, and `whyNot`
// says why in one line.
std::unique_ptr<PdfModule> loadPdfModule(std::string& whyNot);

}  // namespace deadhold::cli
