#pragma once

#include <QStringList>
#include <string_view>

namespace deadhold::ui {

// Turns the program's filter text, "description|pattern|...||", into Qt name filters. Patterns
// separated by ';' become one space-separated list, and "*.*" (every file, to the program) becomes
// "*", since Qt's "*.*" leaves out names without a dot. A description that ends in its pattern
// list in parentheses gets the converted list there, so what the user reads is what is matched.
QStringList qtNameFilters(std::string_view filter);

}  // namespace deadhold::ui
