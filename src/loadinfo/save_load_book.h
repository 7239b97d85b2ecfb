#pragma once

#include "loads/load_database.h"
#include "platform/dialogs.h"

namespace deadhold {

// Writes the load book to its file. When that fails the user sees a "FILE ERROR" box naming the
// file and the reason; the file keeps its previous contents and the loads stay in memory.
// Returns whether the file now holds the loads.
bool saveLoadBook(LoadDatabase& database, Dialogs& dialogs);

// The "FILE ERROR" box of a load book write that failed.
void showLoadBookSaveError(const FileError& error, Dialogs& dialogs);

}  // namespace deadhold
