#include "loadinfo/open_load_dialog.h"

#include "loadinfo/ladder_chart_dialog.h"
#include "loadinfo/load_import.h"
#include "loadinfo/save_load_book.h"
#include "loads/load_exchange.h"
#include "loads/load_messages.h"
#include "loads/load_rules.h"

namespace deadhold {
namespace {

// Each line break (CR LF, or a CR or LF alone) as one space.
std::string oneLine(std::string_view text) {
  std::string line;
  line.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    line.push_back(text[i] == '\r' || text[i] == '\n' ? ' ' : text[i]);
  }
  return line;
}

}  // namespace

OpenLoadDialog::OpenLoadDialog(LoadDatabase& database, Dialogs& dialogs,
                               const std::filesystem::path& startDirectory,
                               std::function<void()> printLoadList,
                               std::function<void(const LadderChart&)> showLadderChart)
    : database_(database),
      dialogs_(dialogs),
      startDirectory_(startDirectory),
      printLoadList_(std::move(printLoadList)),
      showLadderChart_(std::move(showLadderChart)) {}

void OpenLoadDialog::open() {
  selectedRow_ = kNone;
  reportCaliberRepairs(database_.repairCalibers(), dialogs_);
  fillCaliberChoices();
}

void OpenLoadDialog::fillCaliberChoices() {
  selectedRow_ = kNone;
  caliberChoices_.clear();
  caliberStarts_.clear();
  chosenCaliber_ = kNone;
  rowCount_ = 0;
  rowButtonsEnabled_ = false;
  if (database_.loadCount() == 0) {
    if (listsFilled_) listsFilled_();
    dialogs_.messageBox(kNothingLeftToChooseMessage, kDatabaseEmptyTitle, Buttons::Ok);
    closed_ = true;
    return;
  }

  const LoadRecord* current = database_.currentLoad();
  int noted = kNone;
  caliberStarts_ = database_.caliberRuns();
  for (const int start : caliberStarts_) {
    const LoadRecord& first = *database_.loadAt(start);
    if (current && sameCaliber(*current, first)) noted = static_cast<int>(caliberChoices_.size());
    caliberChoices_.emplace_back(first.caliber.view());
  }
  chooseCaliber(noted != kNone ? noted : 0);
}

void OpenLoadDialog::chooseCaliber(int index) {
  rowButtonsEnabled_ = false;
  if (index < 0 || index >= static_cast<int>(caliberChoices_.size())) return;
  chosenCaliber_ = index;
  fillLoadList();
}

// An entry's run of loads ends where the next entry's begins.
void OpenLoadDialog::fillLoadList() {
  const auto entry = static_cast<std::size_t>(chosenCaliber_);
  firstRowPosition_ = caliberStarts_[entry];
  const int end =
      entry + 1 < caliberStarts_.size() ? caliberStarts_[entry + 1] : database_.loadCount();
  rowCount_ = end - firstRowPosition_;
  if (listsFilled_) listsFilled_();
}

LoadRecord* OpenLoadDialog::loadOfRow(int row) const {
  return row >= 0 && row < rowCount_ ? database_.loadAt(firstRowPosition_ + row) : nullptr;
}

const LoadRecord* OpenLoadDialog::rowLoad(int row) const { return loadOfRow(row); }

std::string OpenLoadDialog::cellText(int row, int column) const {
  const LoadRecord* load = loadOfRow(row);
  if (load == nullptr || column < 0 || column >= static_cast<int>(kColumns.size())) return {};
  return oneLine(loadCellText(*load, kColumns[static_cast<std::size_t>(column)].cell));
}

void OpenLoadDialog::rowChanged(int row) {
  if (row < 0 || row >= rowCount_) return;
  rowButtonsEnabled_ = true;
  selectedRow_ = row;
}

void OpenLoadDialog::selectLoad() {
  if (LoadRecord* load = loadOfRow(selectedRow_)) {
    database_.setCurrentLoad(load);
    closed_ = true;
  }
}

void OpenLoadDialog::deleteLoad() {
  if (selectedRow_ == kNone) return;
  database_.removeLoad(loadOfRow(selectedRow_));
  fillCaliberChoices();
}

FilePrompt OpenLoadDialog::exchangePrompt() const {
  FilePrompt prompt;
  prompt.defaultName = "LOADDATA";
  prompt.defaultExtension = ".BLD";
  prompt.filter = "Binary Load Data (*.bld)|*.bld|All Files (*.*)|*.*||";
  prompt.confirmOverwrite = true;
  prompt.folderMustExist = true;
  prompt.initialFolder = startDirectory_;
  return prompt;
}

void OpenLoadDialog::exportLoad() {
  if (selectedRow_ == kNone) return;
  const LoadRecord* load = loadOfRow(selectedRow_);
  if (!load) {
    dialogs_.messageBox(kInternalErrorDatabaseEmptyMessage, kInternalErrorTitle, Buttons::Ok);
    return;
  }
  const auto file = dialogs_.promptSave(exchangePrompt());
  if (!file) return;
  // The reason follows the message: a user who cannot write a file needs to know why.
  if (const auto failure = deadhold::exportLoad(*file, *load))
    dialogs_.messageBox(withReason(failure->message.text, failure->error), failure->message.title,
                        Buttons::Ok, failure->message.icon);
}

void OpenLoadDialog::importLoad() {
  const auto file = dialogs_.promptOpen(exchangePrompt());
  if (!file) return;
  if (importLoadWithMessages(database_, dialogs_, *file)) fillCaliberChoices();
}

void OpenLoadDialog::printLoadList() {
  if (printLoadList_) printLoadList_();
}

void OpenLoadDialog::ladderChart() {
  if (rowCount_ == 0) return;
  std::vector<const LoadRecord*> loads;
  loads.reserve(static_cast<std::size_t>(rowCount_));
  for (int row = 0; row < rowCount_; ++row) loads.push_back(loadOfRow(row));
  const LoadRecord* selected = loadOfRow(selectedRow_);
  const LadderChart chart =
      deadhold::ladderChart(loads, selected ? *selected : *commonestCombination(loads));
  if (chart.points.empty()) {
    dialogs_.messageBox("None of these loads has shot velocities to chart:\n" + chart.title,
                        LadderChartDialog::kTitle, Buttons::Ok, Icon::Information);
    return;
  }
  if (showLadderChart_) showLadderChart_(chart);
}

}  // namespace deadhold
