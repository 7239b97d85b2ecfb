#pragma once

#include <QStringList>
#include <string_view>

namespace deadhold::ui {

// Turns the program's filter text, "description|pattern|...||", into Qt name filters for a file
// prompt that hides filter details: each is the description as written, then the patterns in
// parentheses, which Qt matches and does not show. Patterns separated by ';' become one
// space-separated list, and "*.*" (every file, to the program) becomes "*", since Qt's "*.*"
// leaves out names without a dot; so "All Files (*.*)" reads as written and lists every file.
QStringList qtNameFilters(std::string_view filter);

}  // namespace deadhold::ui
