#include "shot_string_commands.h"

#include <iostream>

#include "chrono/chrono_file.h"
#include "chrono_options.h"
#include "command_registry.h"
#include "common/cformat.h"
#include "load_book.h"
#include "loadinfo/shot_string_dialog.h"
#include "loads/shot_statistics.h"
#include "message_collector.h"
#include "text_columns.h"

namespace deadhold::cli {
namespace {

// The large target's dialogs when the command line has answered already: the file prompt
// gives the named file, the question whether to replace velocities is answered Yes.
class ImportAnswers : public MessageCollector {
 public:
  explicit ImportAnswers(std::filesystem::path file) : file_(std::move(file)) {}
  std::optional<std::filesystem::path> promptOpen(const FilePrompt&) override { return file_; }
  Answer messageBox(const std::string& text, const std::string& title, Buttons buttons,
                    Icon icon) override {
    MessageCollector::messageBox(text, title, buttons, icon);
    return buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
  }

 private:
  std::filesystem::path file_;
};

// The row of the series named (by name first, then by position), or -1 with the reason said.
int seriesRow(const ImportVelocitiesDialog& choice, const std::string& wanted) {
  const auto& rows = choice.rows();
  std::string names;
  std::string withShots;
  int onlyRow = -1;  // -2: more than one
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (!wanted.empty() && rows[i][0] == wanted) return static_cast<int>(i);
    names += (names.empty() ? "" : ", ") + rows[i][0];
    if (rows[i][1] == "0") continue;
    withShots += (withShots.empty() ? "" : ", ") + rows[i][0];
    onlyRow = onlyRow == -1 ? static_cast<int>(i) : -2;
  }
  if (wanted.empty()) {
    if (onlyRow >= 0) return onlyRow;
    refuse(choice.fileName() + " holds several series with shots (" + withShots +
           "): name one with --series");
    return -1;
  }
  const bool digits = wanted.find_first_not_of("0123456789") == std::string::npos;
  const std::size_t position = digits && wanted.size() < 6 ? std::stoul(wanted) : 0;
  if (position >= 1 && position <= rows.size()) return static_cast<int>(position - 1);
  refuse("no series " + wanted + " in " + choice.fileName() + ": it holds " + names);
  return -1;
}

// Takes the series and its ten shots the arguments name, or refuses.
bool chooseFromArguments(ImportVelocitiesDialog& choice, const VelocityImportArguments& arguments) {
  for (const std::string& warning : choice.warnings())
    std::cerr << "deadhold-cli: note: " << warning << "\n";
  const int row = seriesRow(choice, arguments.series);
  if (row < 0) return false;
  choice.chooseSeries(row);
  if (!choice.canImport()) {
    refuse("series " + choice.chosenName() + " holds no shots");
    return false;
  }
  if (arguments.first < 1 || arguments.first > choice.lastFirstShot()) {
    refuse(cformat("--first %d: series %s holds %s shots, so the first shot taken is 1 to %d",
                   arguments.first, choice.chosenName().c_str(),
                   choice.rows()[static_cast<std::size_t>(row)][1].c_str(),
                   choice.lastFirstShot()));
    return false;
  }
  choice.chooseFirstShot(arguments.first);
  choice.accept();
  std::cout << choice.rangeText() << " (series " << choice.chosenName() << ")\n";
  return true;
}

std::string statisticsText(const ShotStatisticsTexts& texts) {
  const VelocityTexts& v = texts.velocity;
  std::vector<TextRow> rows = {{"Shots with a velocity:", v.shots}};
  if (!v.mean.empty()) {
    rows.push_back({"Mean velocity:", v.mean + " ft/s"});
    rows.push_back({"Extreme spread:", v.extremeSpread + " ft/s"});
  }
  if (!v.standardDeviation.empty())
    rows.push_back({"Standard deviation:", v.standardDeviation + " ft/s"});
  rows.push_back({"Group size:", texts.groupSize + " in"});
  if (!texts.meanRadius.empty()) rows.push_back({"Mean radius:", texts.meanRadius + " in"});
  return alignColumns(rows);
}

}  // namespace

int showShotStatistics(const std::string& book, const std::string& index,
                       const std::string& format) {
  const auto database = openBook(book, false);
  if (!database) return kExitRefused;
  const LoadRecord* load = loadNumbered(*database, index);
  if (!load) return kExitRefused;
  const ShotStatisticsTexts texts = shotStatisticsTexts(shotStatistics(*load));
  if (format != "csv") {
    std::cout << statisticsText(texts);
    return kExitOk;
  }
  const VelocityTexts& v = texts.velocity;
  std::cout << csvRecord({"shots", "mean_fps", "es_fps", "sd_fps", "group_in", "mean_radius_in"})
            << csvRecord({v.shots, v.mean, v.extremeSpread, v.standardDeviation, texts.groupSize,
                          texts.meanRadius});
  return kExitOk;
}

int importShotVelocities(const std::string& book, const std::string& index,
                         const VelocityImportArguments& arguments) {
  const auto database = openBook(book, false);
  if (!database) return kExitRefused;
  LoadRecord* load = loadNumbered(*database, index);
  if (!load) return kExitRefused;

  ImportAnswers answers(arguments.file);
  ShotStringDialog target(*load, answers);
  bool chosen = false;
  target.importVelocities(
      [&](ImportVelocitiesDialog& choice) {
        chosen = chooseFromArguments(choice, arguments);
        return chosen;
      },
      *chronoKindNamed(arguments.kind));
  target.close();
  if (!chosen) {
    for (const auto& message : answers.messages()) refuse(message.text);
    return kExitRefused;
  }
  if (const auto error = database->writeDatabase()) {
    refuse(error->message);
    return kExitRefused;
  }
  std::cout << statisticsText(shotStatisticsTexts(shotStatistics(*load)));
  return kExitOk;
}

}  // namespace deadhold::cli
