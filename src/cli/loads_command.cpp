#include <array>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "chrono_options.h"
#include "command_registry.h"
#include "common/ansi_text.h"
#include "common/cformat.h"
#include "common/safe_file_writer.h"
#include "file_name_check.h"
#include "load_book.h"
#include "loads/load_cells.h"
#include "loads/load_database.h"
#include "loads/load_exchange.h"
#include "loads/load_messages.h"
#include "loads/load_rules.h"
#include "loads/load_text_report.h"
#include "shot_string_commands.h"
#include "text_columns.h"

namespace deadhold::cli {
namespace {

constexpr std::size_t kOutputPiece = 1 << 16;

struct LoadsArguments {
  std::string database = kDatabaseFileName;
  std::string format = "text";
  std::string index;
  std::string file;
  VelocityImportArguments velocities;
};

struct ListColumn {
  const char* heading;
  LoadCell cell;
};

constexpr std::array<ListColumn, 10> kListColumns{{
    {"caliber", {LoadField::caliber}},
    {"bulletWeight", {LoadField::bulletWeight}},
    {"bulletMfg", {LoadField::bulletMfg}},
    {"bulletType", {LoadField::bulletType}},
    {"loadName", {LoadField::loadName}},
    {"powderMfg", {LoadField::powderMfg}},
    {"powderType", {LoadField::powderType}},
    {"powderWeight", {LoadField::powderWeight, 1}},
    {"avVelocity", {LoadField::avVelocity}},
    {"avGroup", {LoadField::avGroup, 3}},
}};

// The text list marks the current load in a first column, CSV in a last one. `row` is reused
// from row to row, so that its cells keep their room.
void fillListRow(TextRow& row, const LoadRecord* load, int index, bool csv, bool current) {
  row.resize(kListColumns.size() + 2);
  for (std::string& cell : row) cell.clear();
  std::string* cell = &row.front();
  if (!csv) *cell++ = current ? "*" : "";
  if (load == nullptr) {
    *cell++ = "index";
    for (const ListColumn& column : kListColumns) *cell++ = column.heading;
  } else {
    *cell++ = std::to_string(index);
    std::string ansi;
    for (const ListColumn& column : kListColumns) {
      ansi.clear();
      appendLoadCell(ansi, *load, column.cell);
      appendAnsiAsUtf8(*cell++, ansi);
    }
  }
  if (csv) *cell = load == nullptr ? "current" : current ? "1" : "0";
}

// A row at a time, written out in pieces: the list never holds the book's texts.
int listLoads(const LoadsArguments& arguments) {
  const auto database = openBook(arguments.database, false);
  if (!database) return kExitRefused;
  const bool csv = arguments.format == "csv";
  TextRow row;
  const auto fillRow = [&](int position) {
    const LoadRecord* load = database->loadAt(position);
    fillListRow(row, load, position, csv, load != nullptr && load == database->currentLoad());
  };
  // Row -1 is the heading.
  ColumnAligner aligner;
  if (!csv) {
    for (int position = -1; position < database->loadCount(); ++position) {
      fillRow(position);
      aligner.measure(row);
    }
  }
  std::string out;
  for (int position = -1; position < database->loadCount(); ++position) {
    fillRow(position);
    if (csv)
      appendCsvRecord(out, row);
    else
      aligner.appendLine(out, row);
    if (out.size() >= kOutputPiece) {
      std::cout.write(out.data(), static_cast<std::streamsize>(out.size()));
      out.clear();
    }
  }
  std::cout.write(out.data(), static_cast<std::streamsize>(out.size()));
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
    std::cout << withTextLineEnds(ansiToUtf8(loadTextReport(load)));
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

int showStatistics(const LoadsArguments& arguments) {
  return showShotStatistics(arguments.database, arguments.index, arguments.format);
}

int importVelocities(const LoadsArguments& arguments) {
  return importShotVelocities(arguments.database, arguments.index, arguments.velocities);
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

  CLI::App* stats = loads->add_subcommand(
      "stats", "The statistics of load N's shot string: velocities, group and mean radius");
  stats->add_option("N", arguments->index, "the load's index")->required();
  stats
      ->add_option("--format", arguments->format,
                   "text or csv (RFC 4180: shots,mean_fps,es_fps,sd_fps,group_in,mean_radius_in)")
      ->check(CLI::IsMember({"text", "csv"}))
      ->default_str("text");
  stats->footer(
      "The velocity figures count every shot with a velocity, placed on the target or not; ES\n"
      "is the extreme spread, SD the sample standard deviation (from two shots on). The group\n"
      "and the mean radius (from the group's centre) count the placed holes. The load's own\n"
      "avVelocity is another figure: the mean of the placed shots, as the large target sets it.");
  stats->callback(run(&showStatistics));

  CLI::App* velocities = loads->add_subcommand(
      "velocities", "Put a chronograph series' velocities into load N's shots 1 to 10 and save");
  velocities->add_option("N", arguments->index, "the load's index")->required();
  velocities->add_option("FILE", arguments->velocities.file, "the chronograph file")
      ->required()
      ->check(kFileNameCheck);
  velocities->add_option("--series", arguments->velocities.series,
                         "the series' name, or its position in the file (1, 2, ...)");
  velocities
      ->add_option("--first", arguments->velocities.first,
                   "the series' shot that becomes shot 1, for a series of more than ten")
      ->default_str("1");
  addChronoKindOption(*velocities, arguments->velocities.kind);
  velocities->footer(
      "As the large target's \"Import Velocities...\": shots 1, 2, ... get the series' velocities\n"
      "(ten at most) in ft/s, the shots after them none; holes and every other field stay. The\n"
      "load's avVelocity becomes the mean of its placed shots, as when the target is closed. A\n"
      "file with several series needs --series. Nothing is saved when anything is refused.");
  velocities->callback(run(&importVelocities));

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
