#pragma once

#include <memory>
#include <string>

#include "loads/load_database.h"

namespace deadhold::cli {

// "deadhold-cli: <message>" on standard error: why a command cannot go on.
void refuse(const std::string& message);

// The load book, or nothing (with the reason said) when it cannot be read. Only a command that
// may start a book (an import) or that can do without one accepts a book that does not exist.
std::unique_ptr<LoadDatabase> openBook(const std::string& file, bool mayBeNew);

// True, with the reason said, when `output` is the load book's own file: writing there would
// replace the book that the command reads.
bool writesOverTheBook(const std::string& output, const std::string& book);

// Load N of the book (N as text, 0-based), or nothing (with the reason said).
LoadRecord* loadNumbered(LoadDatabase& database, const std::string& text);

}  // namespace deadhold::cli
