#pragma once

#include <string>
#include <string_view>

namespace kurvex {

// The decimal text in which every intermediate number of an evaluation is carried: rounded to
// 18 significant digits (or 18 decimals where that is coarser), written with exactly 18 decimals
// and "." as the point; scientific form ("1E20", "-2.5E21") when more than 18 digits would
// precede the point. Zero never carries a sign. A value that is not finite raises a math fault.
std::string FormatValue(long double value);

// The value of an operand text: an optional leading "-", then digits with at most one ".".
// A text without any digit reads as 0. A second "." or any other character raises the
// conversion fault; a value beyond the extended range raises the overflow fault.
long double ReadOperandText(std::string_view text);

// The general text-to-number conversion: optional sign, digits with an optional ".", and an
// optional exponent ("E" or "e", optional sign, digits). Anything else, the empty text included,
// raises the conversion fault; a value beyond the extended range raises the overflow fault.
long double ConvertNumber(std::string_view text);

// A value rounded to a number of significant digits (1 to 36), correctly, halves to even:
// its sign, exactly that many digits and the decimal exponent of the first one.
struct DecimalDigits {
    bool negative;
    std::string digits;
    int exponent;
};
DecimalDigits RoundToSignificant(long double value, int significantDigits);

// The same conversions done the slow way, through the C library's correctly rounded printf and
// strtold in the "C" locale. They define the digits the fast versions above must reproduce.
namespace reference {
std::string FormatValue(long double value);
long double ParseDecimal(std::string_view text);
}  // namespace reference

}  // namespace kurvex
