#pragma once

#include <string>

namespace deadhold {

// printf-style formatting into a std::string; every format string of the program goes through it
// so that the C conversions ("%.03f", "%3.0f", "%i" ...) come out exactly as written.
// Numbers are formatted with '.' as the decimal point whatever the user's locale: the program
// keeps LC_NUMERIC at "C".
std::string cformat(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace deadhold
