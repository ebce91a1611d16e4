#pragma once

#include <string>

namespace kurvex {

// The texts the window shows and reads, with the desktop's decimal separator.

// The value text: 18 decimals after the separator, rounded to 18 significant digits;
// scientific form ("1E20") from 10^18 up.
std::string ValueText(long double value, const std::string& decimalSeparator);

// The general text: the shortest form with up to 15 significant digits; scientific form when
// more than 15 digits would precede the separator, or below one ten-thousandth.
std::string GeneralText(long double value, const std::string& decimalSeparator);

// The number an edit box holds: blanks around, an optional sign, digits with an optional
// separator, an optional exponent. Anything else, the empty text and numbers beyond the range
// included, raises the conversion fault naming the text.
long double BoxNumber(const std::string& text, const std::string& decimalSeparator);

}  // namespace kurvex
