#include "loadinfo/open_load_dialog.h"

#include "common/cformat.h"
#include "common/folded_compare.h"
#include "common/numbers.h"
#include "loadinfo/ladder_chart_dialog.h"
#include "loadinfo/load_import.h"
#include "loadinfo/save_load_book.h"
#include "loads/load_exchange.h"
#include "loads/load_messages.h"

namespace deadhold {

OpenLoadDialog::OpenLoadDialog(LoadDatabase& database, Dialogs& dialogs,
                               const std::filesystem::path& startDirectory,
                               std::function<void()> printLoadList,
                               std::function<void(const LadderChart&)> showLadderChart)
    : database_(database),
      dialogs_(dialogs),
      startDirectory_(startDirectory),
      printLoadList_(std::move(printLoadList)),
      showLadderChart_(std::move(showLadderChart)) {}

OpenLoadDialog::LoadRow OpenLoadDialog::loadRow(const LoadRecord& load) {
  return {load.loadName.str(),
          cformat("%i grns", cutToInt(load.bulletWeight)),
          load.bulletMfg.str(),
          load.bulletType.str(),
          load.powderMfg.str(),
          load.powderType.str(),
          cformat("%.1f grns", static_cast<double>(load.powderWeight)),
          cformat("%i fps", cutToInt(load.avVelocity)),
          cformat("%.3f in", static_cast<double>(load.avGroup))};
}

void OpenLoadDialog::open() {
  selectedRow_ = kNone;
  reportCaliberRepairs(database_.repairCalibers(), dialogs_);
  fillCaliberChoices();
}

void OpenLoadDialog::fillCaliberChoices() {
  if (database_.loadCount() == 0) {
    dialogs_.messageBox(kNothingLeftToChooseMessage, kDatabaseEmptyTitle, Buttons::Ok);
    closed_ = true;
  }
  selectedRow_ = kNone;
  caliberChoices_.clear();
  caliberLoads_.clear();
  loadRows_.clear();
  rowLoads_.clear();
  chosenCaliber_ = kNone;
  rowButtonsEnabled_ = false;
  if (closed_) return;

  const LoadRecord* current = database_.currentLoad();
  std::string remembered;
  int noted = kNone;
  for (int position = 0; position < database_.loadCount(); ++position) {
    LoadRecord* load = database_.loadAt(position);
    const std::string caliber = load->caliber.str();
    // The first load always opens an entry: a book's calibers are never empty after repair.
    if (position > 0 && equalsFolded(caliber, remembered)) continue;
    if (current && equalsFolded(current->caliber.view(), caliber))
      noted = static_cast<int>(caliberChoices_.size());
    caliberChoices_.push_back(caliber);
    caliberLoads_.push_back(load);
    remembered = caliber;
  }
  chooseCaliber(noted != kNone ? noted : 0);
}

void OpenLoadDialog::chooseCaliber(int index) {
  rowButtonsEnabled_ = false;
  if (index < 0 || index >= static_cast<int>(caliberChoices_.size())) return;
  chosenCaliber_ = index;
  fillLoadList();
}

void OpenLoadDialog::fillLoadList() {
  loadRows_.clear();
  rowLoads_.clear();
  const LoadRecord* first = caliberLoads_[static_cast<std::size_t>(chosenCaliber_)];
  const std::string caliber = first->caliber.str();
  for (int position = database_.indexOfLoad(first); position < database_.loadCount(); ++position) {
    LoadRecord* load = database_.loadAt(position);
    if (!equalsFolded(load->caliber.view(), caliber)) break;
    loadRows_.push_back(loadRow(*load));
    rowLoads_.push_back(load);
  }
}

void OpenLoadDialog::rowChanged(int row) {
  if (row < 0 || row >= static_cast<int>(loadRows_.size())) return;
  rowButtonsEnabled_ = true;
  selectedRow_ = row;
}

LoadRecord* OpenLoadDialog::selectedLoad() const {
  if (selectedRow_ < 0 || selectedRow_ >= static_cast<int>(rowLoads_.size())) return nullptr;
  LoadRecord* load = rowLoads_[static_cast<std::size_t>(selectedRow_)];
  return database_.indexOfLoad(load) >= 0 ? load : nullptr;
}

void OpenLoadDialog::selectLoad() {
  if (selectedRow_ == kNone) return;
  if (LoadRecord* load = selectedLoad()) {
    database_.setCurrentLoad(load);
    closed_ = true;
  }
}

void OpenLoadDialog::deleteLoad() {
  if (selectedRow_ == kNone) return;
  if (LoadRecord* load = selectedLoad()) database_.removeLoad(load);
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
  const LoadRecord* load = selectedLoad();
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
  if (rowLoads_.empty()) return;
  const std::vector<const LoadRecord*> loads(rowLoads_.begin(), rowLoads_.end());
  const LoadRecord* selected = selectedRow_ == kNone ? nullptr : selectedLoad();
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
