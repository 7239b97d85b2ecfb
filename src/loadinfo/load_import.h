#pragma once

#include <filesystem>

#include "loads/load_database.h"
#include "platform/dialogs.h"

namespace deadhold {

// "&Import Load" once its file is chosen: the load of a .BLD file is added to the book and the
// book saved, with every message the Open Load dialog shows on the way (the refusal, the save
// error, the caliber repair). Returns the imported load, or null when the file was refused.
LoadRecord* importLoadWithMessages(LoadDatabase& database, Dialogs& dialogs,
                                   const std::filesystem::path& file);

// The caliber repair's message, when it repaired any.
void reportCaliberRepairs(int repaired, Dialogs& dialogs);

}  // namespace deadhold
