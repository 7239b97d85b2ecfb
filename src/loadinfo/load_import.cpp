#include "loadinfo/load_import.h"

#include "common/application_name.h"
#include "loadinfo/save_load_book.h"
#include "loads/load_exchange.h"
#include "loads/load_messages.h"

namespace deadhold {

LoadRecord* importLoadWithMessages(LoadDatabase& database, Dialogs& dialogs,
                                   const std::filesystem::path& file) {
  const ImportOutcome outcome = importLoad(database, file);
  if (outcome.refusal) {
    dialogs.messageBox(outcome.refusal->text, outcome.refusal->title, Buttons::Ok,
                       outcome.refusal->icon);
    return nullptr;
  }
  if (outcome.saveError) showLoadBookSaveError(*outcome.saveError, dialogs);
  reportCaliberRepairs(outcome.repairedCalibers, dialogs);
  return outcome.imported;
}

void reportCaliberRepairs(int repaired, Dialogs& dialogs) {
  if (repaired > 0) dialogs.messageBox(kCaliberRepairMessage, kApplicationName, Buttons::Ok);
}

}  // namespace deadhold
