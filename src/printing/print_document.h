#pragma once

#include <functional>

#include "platform/print_target.h"

namespace deadhold {

// One document of `pages` pages on a printer, each drawn by renderPage. A document that cannot
// start, or a page that cannot start or end, abandons the document, silently; the answer says
// whether it printed.
bool printDocument(PrintTarget& printer, int pages,
                   const std::function<void(Surface&)>& renderPage);

}  // namespace deadhold
