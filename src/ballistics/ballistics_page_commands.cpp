// The Ballistics Calculator's buttons that act on results: "&Get Load Data", "&Save to TXT",
// "Calculate DHR", "&Taylor KO" and "&Print".
#include "ballistics/ballistics_page.h"
#include "ballistics/ballistics_page_texts.h"
#include "ballistics/ballistics_report.h"
#include "common/cformat.h"
#include "common/file_error.h"
#include "common/numbers.h"
#include "engine/kill_zone_search.h"
#include "loads/load_messages.h"
#include "loads/load_rules.h"

namespace deadhold {

void BallisticsPage::getLoadData() {
  const LoadRecord* load = database_.currentLoad();
  if (!load) {
    dialogs_.messageBox(kNoValidLoadMessage, kGetDataErrorTitle, Buttons::Ok, Icon::Exclamation);
    return;
  }
  inputs_ = ballisticInputsOf(*load);
  ballisticsLabel_ = loadDescription(*load).substr(0, kLabelCapacity);
  fieldTexts_.name = ballisticsLabel_;
  showInputs();
  // The table and the list keep the last computation until the next Re-Compute.
  inputsInvalid_ = !validateWithMessage();
  if (inputsInvalid_) listRows_.clear();
}

void BallisticsPage::saveToText() {
  if (!resultButtonsEnabled_) return;
  FilePrompt prompt;
  prompt.defaultName = kReportDefaultName;
  prompt.defaultExtension = kReportDefaultExtension;
  prompt.filter = kReportFilter;
  prompt.confirmOverwrite = true;
  prompt.folderMustExist = true;
  prompt.initialFolder = startDirectory_;
  const auto file = dialogs_.promptSave(prompt);
  if (!file) return;
  if (const auto error = writeBallisticsReport(*file, inputs_, ballisticsLabel_, engine_.table()))
    dialogs_.messageBox(withReason(kCouldNotOpenFileForWritingMessage, *error), kFileErrorTitle,
                        Buttons::Ok, Icon::Error);
}

void BallisticsPage::calculateDhr(BallisticsPageDialogs& dialogs) {
  if (!resultButtonsEnabled_) return;
  // Cancelling the height leaves the page as it was: the same inputs, the same results shown.
  const BallisticInputs inputsBefore = inputs_;
  const std::string labelBefore = ballisticsLabel_;
  const bool resultsValidBefore = resultsValid_;

  // Failing, as in Re-Compute, the list is emptied: values that must be corrected never stand
  // next to results.
  if (!readAndValidate()) return;
  KillZoneDialog heightEntry;
  if (!dialogs.runKillZone(heightEntry)) {
    inputs_ = inputsBefore;
    ballisticsLabel_ = labelBefore;
    resultsValid_ = resultsValidBefore;
    return;
  }
  const double height = heightEntry.value();
  const KillZoneResult result = searchKillZone(inputs_, height);

  const int zero = cutToInt(result.zeroDistance);
  fieldTexts_.targetDistance = cformat("%d", zero);
  autoUpdateChecked_ = autoUpdate_;
  reCompute();
  dialogs_.messageBox(cformat(kMaximumDeadholdRangeFormat, height, result.maxRange, zero),
                      kMaximumDeadholdRangeTitle, Buttons::Ok, Icon::Information);
}

KillZoneResult BallisticsPage::searchKillZone(const BallisticInputs& start, double height) {
  const KillZoneResult result = searchKillZoneRange(engine_, start, height);
  reCompute();
  return result;
}

void BallisticsPage::taylorKo(BallisticsPageDialogs& dialogs) {
  if (!resultButtonsEnabled_) return;
  CaliberDialog caliberEntry;
  const double caliber =
      dialogs.runCaliberEntry(caliberEntry) ? caliberEntry.accept() : CaliberDialog::cancel();
  TaylorKoTableDialog table(engine_, dialogs_);
  table.initialise(caliber);
  dialogs.showTaylorKoTable(table);
}

void BallisticsPage::print(BallisticsPageDialogs& dialogs) {
  if (!resultButtonsEnabled_) return;
  dialogs.printBallistics();
  reCompute();
}

}  // namespace deadhold
