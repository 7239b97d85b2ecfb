#pragma once

#include <string_view>

namespace deadhold {

// Reads the leading decimal number of a text the way the classic C conversion does: leading
// white space skipped, optional sign, digits with an optional point, optional exponent. Text
// that does not start with a number reads as 0. Only plain decimals count ("inf", "nan" and
// hexadecimal read as 0), so what a user types means the same on every platform. A number too
// large for a double ("1e999") is no number either and reads as 0.
double parseDecimal(std::string_view text);

// The same, for a field kept as the single-precision number a record stores: a number too large
// for a float ("1e39") reads as 0.
float parseStoredDecimal(std::string_view text);

// Reads the leading whole number: white space, optional sign, digits; the first other character
// ends it ("130.7" gives 130), no digits give 0. Values beyond the int range saturate.
int parseWholeNumber(std::string_view text);

// Cuts a real number toward zero to an int, as "%i" of a real value shows it. Values beyond the
// int range saturate and NaN gives 0, where a plain cast would be undefined.
int cutToInt(double value);

}  // namespace deadhold
