#include <iostream>
#include <memory>
#include <string>

#include "chrono/chrono_file.h"
#include "chrono_options.h"
#include "command_registry.h"
#include "common/cformat.h"
#include "file_name_check.h"
#include "load_book.h"
#include "loads/shot_statistics.h"
#include "text_columns.h"

namespace deadhold::cli {
namespace {

struct ChronoArguments {
  std::string file;
  std::string kind = "auto";
  std::string format = "text";
};

std::string csvText(const ChronoSeriesList& list) {
  std::string text = csvRecord({"series", "shot", "velocity_fps"});
  for (const ChronoSeries& series : list.series)
    for (std::size_t i = 0; i < series.velocities.size(); ++i)
      text +=
          csvRecord({series.name, std::to_string(i + 1), cformat("%.1f", series.velocities[i])});
  return text;
}

std::string plainText(const ChronoSeriesList& list) {
  std::string text;
  for (const ChronoSeries& series : list.series) {
    if (!text.empty()) text += "\n";
    text += "Series " + series.name + ": " + seriesSummary(series) + "\n";
    std::vector<TextRow> rows;
    for (std::size_t i = 0; i < series.velocities.size(); ++i)
      rows.push_back({"", cformat("#%zu", i + 1), cformat("%.1f", series.velocities[i])});
    text += alignColumns(rows);
  }
  return text;
}

int showSeries(const ChronoArguments& arguments) {
  const ChronoFileRead read = readChronoFile(arguments.file, *chronoKindNamed(arguments.kind));
  if (!read.ok()) {
    refuse(read.error);
    return kExitRefused;
  }
  for (const std::string& warning : read.list.warnings)
    std::cerr << "deadhold-cli: note: " << warning << "\n";
  std::cout << (arguments.format == "csv" ? csvText(read.list) : plainText(read.list));
  return kExitOk;
}

void setupChrono(CLI::App& app, int& exitStatus) {
  auto arguments = std::make_shared<ChronoArguments>();
  CLI::App* command =
      app.add_subcommand("chrono", "The series of a chronograph file and their velocities");
  command->add_option("FILE", arguments->file, "the chronograph file")
      ->required()
      ->check(kFileNameCheck);
  addChronoKindOption(*command, arguments->kind);
  command
      ->add_option("--format", arguments->format,
                   "text (each series with its shots, mean, ES and SD) or "
                   "csv (RFC 4180: series,shot,velocity_fps)")
      ->check(CLI::IsMember({"text", "csv"}))
      ->default_str("text");
  command->footer(
      "Velocities are in ft/s whatever unit the file uses; ES is the extreme spread, SD the\n"
      "sample standard deviation (from two shots on). Rows the file cuts short are left out\n"
      "and named on standard error. A file that cannot be read, or is none of the formats,\n"
      "is refused with one line on standard error and exit status 2.");
  command->callback([arguments, &exitStatus] { exitStatus = showSeries(*arguments); });
}

const CommandRegistration registration(40, &setupChrono);

}  // namespace
}  // namespace deadhold::cli
