#pragma once

#include <string>

namespace deadhold {

// printf-style formatting into a std::string; every format string of the program goes through it
// so that the C conversions ("%.03f", "%3.0f", "%i" ...) come out exactly as written.
// Numbers are formatted with '.' as the decimal point whatever the user's locale: the program
// keeps LC_NUMERIC at "C".
// GCC checks against its own C99 archetype on every target (a Windows build formats with
// mingw-w64's C99 printf, not the system's older one); clang knows that one as printf.
#if defined(__clang__)
#define DEADHOLD_PRINTF_ARCHETYPE printf
#else
#define DEADHOLD_PRINTF_ARCHETYPE gnu_printf
#endif
std::string cformat(const char* format, ...)
    __attribute__((format(DEADHOLD_PRINTF_ARCHETYPE, 1, 2)));

}  // namespace deadhold
