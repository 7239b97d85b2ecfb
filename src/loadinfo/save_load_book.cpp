#include "loadinfo/save_load_book.h"

#include "loads/load_messages.h"

namespace deadhold {

bool saveLoadBook(LoadDatabase& database, Dialogs& dialogs) {
  const auto failure = database.writeDatabase();
  if (!failure) return true;
  showLoadBookSaveError(*failure, dialogs);
  return false;
}

void showLoadBookSaveError(const FileError& error, Dialogs& dialogs) {
  dialogs.messageBox(
      error.message + "\n\nThe loads were not saved; the file keeps its previous contents.",
      kFileErrorTitle, Buttons::Ok, Icon::Error);
}

}  // namespace deadhold
