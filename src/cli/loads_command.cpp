#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "command_registry.h"
#include "common/ansi_text.h"
#include "common/cformat.h"
#include "common/numbers.h"
#include "file_name_check.h"
#include "load_book.h"
#include "loads/load_database.h"
#include "loads/load_exchange.h"
#include "loads/load_messages.h"
#include "loads/load_rules.h"
#include "loads/load_text_report.h"
#include "text_columns.h"

namespace deadhold::cli {
namespace {

struct LoadsArguments {
  std::string database = kDatabaseFileName;
  std::string format = "text";
  std::string index;
  std::string file;
};

TextRow listRow(const LoadRecord& load, int index) {
  return {std::to_string(index),
          load.caliber.str(),
          std::to_string(cutToInt(load.bulletWeight)),
          load.bulletMfg.str(),
          load.bulletType.str(),
          load.loadName.str(),
          load.powderMfg.str(),
          load.powderType.str(),
          cformat("%.1f", load.powderWeight),
          std::to_string(cutToInt(load.avVelocity)),
          cformat("%.3f", load.avGroup)};
}

const TextRow kListHeader{"index",        "caliber",    "bulletWeight", "bulletMfg",
                          "bulletType",   "loadName",   "powderMfg",    "powderType",
                          "powderWeight", "avVelocity", "avGroup"};

std::string csvField(const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (const char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
  return quoted + "\"";
}

// RFC 4180: a header record, fields quoted where needed, records ended by CR LF.
std::string csvRecord(const TextRow& row) {
  std::string record;
  for (const std::string& field : row) record += (record.empty() ? "" : ",") + csvField(field);
  return record + "\r\n";
}

int listLoads(const LoadsArguments& arguments) {
  const auto database = openBook(arguments.database, false);
  if (!database) return kExitRefused;
  const bool csv = arguments.format == "csv";
  std::vector<TextRow> rows;
  TextRow header = kListHeader;
  if (csv) header.push_back("current");
  if (!csv) header.insert(header.begin(), "");
  rows.push_back(header);
  for (int i = 0; i < database->loadCount(); ++i) {
    const LoadRecord* load = database->loadAt(i);
    const bool current = load == database->currentLoad();
    TextRow row = listRow(*load, i);
    for (std::string& cell : row) cell = ansiToUtf8(cell);
    if (csv) row.push_back(current ? "1" : "0");
    if (!csv) row.insert(row.begin(), current ? "*" : "");
    rows.push_back(row);
  }
  if (!csv) {
    std::cout << alignColumns(rows);
    return kExitOk;
  }
  for (const TextRow& row : rows) std::cout << csvRecord(row);
  return kExitOk;
}

// Runs `use` on load N of the book, or refuses when the book or the load cannot be had.
template <class Use>
int withNumberedLoad(const LoadsArguments& arguments, Use use) {
  const auto database = openBook(arguments.database, false);
  if (!database) return kExitRefused;
  const LoadRecord* load = loadNumbered(*database, arguments.index);
  return load != nullptr ? use(*load) : kExitRefused;
}

int showLoad(const LoadsArguments& arguments) {
  return withNumberedLoad(arguments, [](const LoadRecord& load) {
    std::cout << ansiToUtf8(loadTextReport(load));
    return kExitOk;
  });
}

int exportNumbered(const LoadsArguments& arguments) {
  if (writesOverTheBook(arguments.file, arguments.database)) return kExitRefused;
  return withNumberedLoad(arguments, [&arguments](const LoadRecord& load) {
    if (const auto failure = exportLoad(arguments.file, load)) {
      refuse(failure->error.message);
      return kExitRefused;
    }
    return kExitOk;
  });
}

int importFile(const LoadsArguments& arguments) {
  const auto database = openBook(arguments.database, true);
  if (!database) return kExitRefused;
  const ImportOutcome outcome = importLoad(*database, arguments.file);
  if (outcome.refusal) {
    refuse(outcome.refusal->text + ": " + arguments.file);
    return kExitRefused;
  }
  if (outcome.saveError) {
    refuse(outcome.saveError->message);
    return kExitRefused;
  }
  if (outcome.repairedCalibers > 0) {
    std::cerr << kCaliberRepairMessage << "\n";
    // The program stores the repaired calibers with its next write; this command has no later
    // one. Sorted now, the index told below is the one the next command reads.
    database->sortLoads();
    if (const auto error = database->writeDatabase()) {
      refuse(error->message);
      return kExitRefused;
    }
  }
  std::cout << "Imported load " << database->indexOfLoad(outcome.imported) << ": "
            << ansiToUtf8(loadDescription(*outcome.imported)) << "\n";
  return kExitOk;
}

int repairBook(const LoadsArguments& arguments) {
  const auto database = openBook(arguments.database, false);
  if (!database) return kExitRefused;
  const int repaired = database->repairCalibers();
  if (repaired > 0) {
    if (const auto error = database->writeDatabase()) {
      refuse(error->message);
      return kExitRefused;
    }
  }
  std::cout << cformat("%d caliber%s became \"Unknown\"\n", repaired, repaired == 1 ? "" : "s");
  return kExitOk;
}

// As "Delete Load" in the Open Load dialog: no question asked, the current load moves as the
// program moves it; then the book is saved.
int deleteNumbered(const LoadsArguments& arguments) {
  const auto database = openBook(arguments.database, false);
  if (!database) return kExitRefused;
  const LoadRecord* load = loadNumbered(*database, arguments.index);
  if (load == nullptr) return kExitRefused;
  const std::string description = loadDescription(*load);
  database->removeLoad(load);
  if (const auto error = database->writeDatabase()) {
    refuse(error->message);
    return kExitRefused;
  }
  std::cout << "Deleted load " << arguments.index << ": " << ansiToUtf8(description) << "\n";
  return kExitOk;
}

void setupLoads(CLI::App& app, int& exitStatus) {
  auto arguments = std::make_shared<LoadsArguments>();
  CLI::App* loads = app.add_subcommand("loads", "The load book (RELOADER.DAT) and .BLD files");
  loads->require_subcommand(1);
  loads->fallthrough();
  loads->add_option("--db", arguments->database, "the load book to use")
      ->default_str(kDatabaseFileName)
      ->check(kFileNameCheck);
  // Every command's help shows it too, so that --db is found from there.
  loads->footer(
      "The book is RELOADER.DAT in the current folder unless --db FILE, before or after the\n"
      "command, names another. N is a load's 0-based index in the book's order, as `list` shows\n"
      "it. Errors are one line on standard error with exit status 2; nothing is written then.");

  const auto run = [arguments, &exitStatus](int (*command)(const LoadsArguments&)) {
    return [arguments, &exitStatus, command] { exitStatus = command(*arguments); };
  };

  CLI::App* list = loads->add_subcommand("list", "Every load in the book's order");
  list->add_option("--format", arguments->format,
                   "text (aligned, * marks the current load) or "
                   "csv (RFC 4180, with a current column)")
      ->check(CLI::IsMember({"text", "csv"}))
      ->default_str("text");
  list->callback(run(&listLoads));

  CLI::App* show = loads->add_subcommand("show", "The load text report (LOAD.TXT) of load N");
  show->add_option("N", arguments->index, "the load's index")->required();
  show->callback(run(&showLoad));

  CLI::App* exportCommand = loads->add_subcommand("export", "Write load N as a .BLD file");
  exportCommand->add_option("N", arguments->index, "the load's index")->required();
  exportCommand->add_option("FILE", arguments->file, "the .BLD file to write")
      ->required()
      ->check(kFileNameCheck);
  exportCommand->callback(run(&exportNumbered));

  CLI::App* importCommand =
      loads->add_subcommand("import", "Add the load of a .BLD file to the book and save it");
  importCommand->add_option("FILE", arguments->file, "the .BLD file to read")
      ->required()
      ->check(kFileNameCheck);
  importCommand->callback(run(&importFile));

  CLI::App* repair = loads->add_subcommand(
      "repair", "Give every blank caliber the caliber \"Unknown\" and save the book");
  repair->callback(run(&repairBook));

  CLI::App* deleteCommand = loads->add_subcommand(
      "delete", "Remove load N from the book and save it (the book as it was is kept as .BAK)");
  deleteCommand->add_option("N", arguments->index, "the load's index")->required();
  deleteCommand->callback(run(&deleteNumbered));
}

const CommandRegistration registration(30, &setupLoads);

}  // namespace
}  // namespace deadhold::cli
