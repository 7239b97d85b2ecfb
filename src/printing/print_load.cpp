#include "printing/print_load.h"

#include "loads/load_rules.h"
#include "printing/print_jobs.h"
#include "printing/printing_texts.h"

namespace deadhold {

void handOverLoadForPrinting(BallisticsPage& page, const LoadRecord& load) {
  page.setInputsFromLoad(load.ballisticCoeff, load.bulletWeight, load.avVelocity,
                         load.targetDistance, load.scopeHeight, load.temperature, load.elevation,
                         loadDescription(load));
  page.setRecomputePending(true);
}

void printLoad(BallisticsPage& page, LoadDatabase& database, Dialogs& dialogs) {
  const LoadRecord* load = database.currentLoad();
  if (!load) return;
  handOverLoadForPrinting(page, *load);
  if (page.inputsAreValid()) {
    page.reCompute();
    // The fields show the values rounded; one that rounds out of range (a scope height of
    // 0.004 shows 0.00) has just been named in the range message, and nothing is printed.
    if (page.inputsInvalid()) return;
    printReport(ReportPrintJob{false}, dialogs, page, database.currentLoad());
    return;
  }
  const Answer answer =
      dialogs.messageBox(kPrintWithoutBallisticsQuestion, kPrintWithoutBallisticsTitle,
                         Buttons::OkCancel, Icon::Exclamation);
  if (answer != Answer::Ok) {
    page.reCompute();  // its "Value Range Error" names what to correct
    return;
  }
  printReport(ReportPrintJob{true}, dialogs, page, database.currentLoad());
}

}  // namespace deadhold
