#include <functional>
#include <iostream>
#include <memory>
#include <ostream>
#include <string>

#include "ballistics/ballistics_page.h"
#include "ballistics/input_validation.h"
#include "command_registry.h"
#include "common/cformat.h"
#include "engine/engine.h"
#include "file_name_check.h"
#include "load_book.h"
#include "load_options.h"
#include "pdf_printout.h"
#include "printing/print_jobs.h"
#include "printing/print_load.h"
#include "printing/printing_texts.h"

namespace deadhold::cli {
namespace {

struct PrintArguments {
  std::string database = kDatabaseFileName;
  std::string index;  // --load: empty for the book's current load
  std::string pdf;
};

// The Ballistics Calculator's print hook, as the program fills it.
class ReportHook : public BallisticsPageDialogs {
 public:
  ReportHook(Dialogs& dialogs, BallisticsPage& page, const LoadDatabase& database)
      : dialogs_(dialogs), page_(page), database_(database) {}
  bool runKillZone(KillZoneDialog&) override { return false; }
  bool runCaliberEntry(CaliberDialog&) override { return false; }
  void showTaylorKoTable(const TaylorKoTableDialog&) override {}
  void printBallistics() override {
    printReport(ReportPrintJob{}, dialogs_, page_, database_.currentLoad());
  }

 private:
  Dialogs& dialogs_;
  BallisticsPage& page_;
  const LoadDatabase& database_;
};

// The Ballistics Calculator page over a load book, created as the main window creates it (its
// first computation, on no values, says nothing).
struct Calculator {
  explicit Calculator(LoadDatabase& database, Dialogs& dialogs)
      : page(*engine, database, dialogs, startDirectory) {
    std::ostream quiet(nullptr);
    engine->setDiagnosticStream(quiet);
    page.initialise();
    engine->setDiagnosticStream(std::cerr);
  }

  std::unique_ptr<Engine> engine = std::make_unique<Engine>();
  std::filesystem::path startDirectory;
  BallisticsPage page;
};

// The values typed into the page's fields, as a user would: the name, then the seven numbers.
void typeInputs(BallisticsPage& page, const LoadOptions& load) {
  const BallisticInputs& in = load.inputs();
  const std::pair<BallisticsField, double> numbers[] = {
      {BallisticsField::BallisticCoeff, in.ballisticCoeff},
      {BallisticsField::BulletWeight, in.bulletWeight},
      {BallisticsField::MuzzleVelocity, in.muzzleVelocity},
      {BallisticsField::TargetDistance, in.targetDistance},
      {BallisticsField::ScopeHeight, in.scopeHeight},
      {BallisticsField::Temperature, in.temperature},
      {BallisticsField::Altitude, in.altitude},
  };
  page.editField(BallisticsField::Name, load.ansiLabel());
  for (const auto& [field, value] : numbers) page.editField(field, cformat("%.17g", value));
}

int printReportPage(const PrintArguments& arguments, const LoadOptions& load,
                    PdfPrinterDialogs& dialogs) {
  const auto database = openBook(arguments.database, true);
  if (!database) return kExitRefused;
  Calculator calculator(*database, dialogs);
  typeInputs(calculator.page, load);
  calculator.page.reCompute();
  if (calculator.page.inputsInvalid()) return kExitRefused;  // the range message says why
  ReportHook hook(dialogs, calculator.page, *database);
  calculator.page.print(hook);
  return kExitOk;
}

int printLoadPage(const PrintArguments& arguments, PdfPrinterDialogs& dialogs) {
  const auto database = openBook(arguments.database, false);
  if (!database) return kExitRefused;
  LoadRecord* load = database->currentLoad();
  if (!arguments.index.empty()) {
    load = loadNumbered(*database, arguments.index);
    if (!load) return kExitRefused;
  } else if (!load) {
    refuse("the load book has no current load: name one with --load N");
    return kExitRefused;
  }
  database->setCurrentLoad(load);  // in memory only: the book is never written
  Calculator calculator(*database, dialogs);
  printLoad(calculator.page, *database, dialogs);
  for (const auto& message : dialogs.messages()) {
    if (message.title != kPrintWithoutBallisticsTitle) continue;
    std::cerr << "deadhold-cli: note: the load's ballistic values are out of range: printed "
                 "without the ballistics data\n";
    const std::string reasons = valueRangeErrorText(calculator.page.inputs());
    std::cerr << reasons.substr(reasons.find("\n\n") + 2);
  }
  return kExitOk;
}

int printLoadListPages(const PrintArguments& arguments, PdfPrinterDialogs& dialogs) {
  const auto database = openBook(arguments.database, false);
  if (!database) return kExitRefused;
  if (database->loadCount() == 0) {
    refuse("the load book holds no loads: the load list has no page to print");
    return kExitRefused;
  }
  LoadListPrintJob job;
  printLoadList(job, dialogs, *database);
  return kExitOk;
}

// Runs one printout into the PDF; the note of printLoadPage stands for the question whether to
// print without the ballistics data.
int printPages(const PrintArguments& arguments,
               const std::function<int(PdfPrinterDialogs&)>& printout) {
  if (writesOverTheBook(arguments.pdf, arguments.database)) return kExitRefused;
  return printToPdf(arguments.pdf, printout, {kPrintWithoutBallisticsTitle});
}

CLI::App* addPrintout(CLI::App& print, const char* name, const char* description,
                      PrintArguments& arguments) {
  CLI::App* command = print.add_subcommand(name, description);
  command->add_option("--db", arguments.database, "the load book to use")
      ->default_str(kDatabaseFileName)
      ->check(kFileNameCheck);
  command->add_option("--pdf", arguments.pdf, "the PDF file to write")
      ->type_name("OUT.pdf")
      ->required()
      ->check(kFileNameCheck);
  return command;
}

void setupPrint(CLI::App& app, int& exitStatus) {
  CLI::App* print =
      app.add_subcommand("print", "The printed report or load list, as a PDF on a Letter page");
  print->require_subcommand(1);
  print->footer(
      "Renders exactly the pages the program prints, through the same drawing, on a Letter page\n"
      "(10 pt margins, 1200 dpi, as the print dialog's PDF choice gives). The PDF is replaced\n"
      "safely: a print that fails leaves the file as it was. Messages the program would show\n"
      "are written to standard error; exit status 2 when nothing was printed.");
  auto arguments = std::make_shared<PrintArguments>();

  CLI::App* report = addPrintout(*print, "report",
                                 "The Ballistics Calculator's \"Print\" for the given values, "
                                 "with the book's current load",
                                 *arguments);
  auto load = std::make_shared<LoadOptions>(*report);
  report->footer(
      "The values are typed into the Ballistics Calculator's fields, so weight, velocity, zero,\n"
      "temperature and altitude count in whole numbers, and Re-Compute checks them: values out\n"
      "of its ranges print nothing, --unchecked or not. The load's part of the page is the\n"
      "book's current load; without a book (or a current load) it shows the labels only.");
  report->callback([arguments, load, &exitStatus] {
    exitStatus = printPages(*arguments, [&](PdfPrinterDialogs& dialogs) {
      return printReportPage(*arguments, *load, dialogs);
    });
  });

  CLI::App* loadCommand =
      addPrintout(*print, "load",
                  "The Load Information \"Print\" of load N (or of the current load)", *arguments);
  // An empty index would pass for no --load at all, and print the current load instead.
  loadCommand->add_option("--load", arguments->index, "the load's 0-based index in the book")
      ->type_name("N")
      ->check(nonEmptyValue("a load's index (0, 1, ...)"));
  loadCommand->footer(
      "The full report when the load's ballistic values lie in the Ballistics Calculator's\n"
      "ranges. Otherwise the program would ask whether to print without the ballistics data;\n"
      "here the answer is OK: the load's part alone is printed, and a note on standard error\n"
      "names the values out of range. The book itself is never written.");
  loadCommand->callback([arguments, &exitStatus] {
    exitStatus = printPages(
        *arguments, [&](PdfPrinterDialogs& dialogs) { return printLoadPage(*arguments, dialogs); });
  });

  CLI::App* list = addPrintout(*print, "list",
                               "The Open Load dialog's \"Print Load List\": every load, 14 to a "
                               "page",
                               *arguments);
  list->footer("A book without loads has no page to print and is refused.");
  list->callback([arguments, &exitStatus] {
    exitStatus = printPages(*arguments, [&](PdfPrinterDialogs& dialogs) {
      return printLoadListPages(*arguments, dialogs);
    });
  });
}

const CommandRegistration registration(35, &setupPrint);

}  // namespace
}  // namespace deadhold::cli
