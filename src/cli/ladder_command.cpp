#include <memory>
#include <string>

#include "command_registry.h"
#include "common/ansi_text.h"
#include "common/folded_compare.h"
#include "file_name_check.h"
#include "load_book.h"
#include "loadinfo/open_load_dialog.h"
#include "pdf_printout.h"
#include "printing/print_jobs.h"

namespace deadhold::cli {
namespace {

struct LadderArguments {
  std::string database = kDatabaseFileName;
  std::string caliber;
  std::string pdf;
  std::string bars = "es";
};

// The Open Load dialog's "&Ladder Chart" for the caliber named, its chart printed to the PDF.
int printLadder(const LadderArguments& arguments, PdfPrinterDialogs& dialogs) {
  const auto database = openBook(arguments.database, false);
  if (!database) return kExitRefused;
  const LadderBars bars =
      arguments.bars == "sd" ? LadderBars::standardDeviation : LadderBars::extremeSpread;
  const std::filesystem::path startDirectory;
  OpenLoadDialog browser(*database, dialogs, startDirectory, {},
                         [&](const LadderChart& chart) { printLadderChart(dialogs, chart, bars); });
  browser.open();
  if (browser.closed()) return kExitRefused;  // an empty book, as the dialog says

  const std::string wanted = utf8ToAnsi(arguments.caliber);
  const auto& calibers = browser.caliberChoices();
  std::string held;
  for (std::size_t i = 0; i < calibers.size(); ++i) {
    if (equalsFolded(calibers[i], wanted)) {
      browser.chooseCaliber(static_cast<int>(i));
      browser.ladderChart();
      return kExitOk;
    }
    held += (held.empty() ? "" : ", ") + ansiToUtf8(calibers[i]);
  }
  refuse("no caliber \"" + arguments.caliber + "\" in the load book: it holds " + held);
  return kExitRefused;
}

void setupLadder(CLI::App& app, int& exitStatus) {
  auto arguments = std::make_shared<LadderArguments>();
  CLI::App* command = app.add_subcommand(
      "ladder", "The Open Load dialog's \"Ladder Chart\" of a caliber, as a PDF on a Letter page");
  command
      ->add_option("--caliber", arguments->caliber, "the caliber, as the Open Load list shows it")
      ->required()
      ->check(nonEmptyValue("a caliber"));
  command->add_option("--db", arguments->database, "the load book to use")
      ->default_str(kDatabaseFileName)
      ->check(kFileNameCheck);
  command->add_option("--pdf", arguments->pdf, "the PDF file to write")
      ->type_name("OUT.pdf")
      ->required()
      ->check(kFileNameCheck);
  command
      ->add_option("--bars", arguments->bars,
                   "es: the velocity bars span the extreme spread; sd: one standard deviation "
                   "either side")
      ->check(CLI::IsMember({"es", "sd"}))
      ->default_str("es");
  command->footer(
      "Mean velocity with its bars over group size, against powder charge, for the caliber's\n"
      "loads that share the bullet and powder most of them use; loads without shot velocities\n"
      "are left out and named. Letters' case does not count in the caliber. The book is only\n"
      "read; the PDF is replaced safely, and exit status 2 means nothing was printed.");
  command->callback([arguments, &exitStatus] {
    if (writesOverTheBook(arguments->pdf, arguments->database)) {
      exitStatus = kExitRefused;
      return;
    }
    exitStatus = printToPdf(arguments->pdf, [&](PdfPrinterDialogs& dialogs) {
      return printLadder(*arguments, dialogs);
    });
  });
}

const CommandRegistration registration(36, &setupLadder);

}  // namespace
}  // namespace deadhold::cli
