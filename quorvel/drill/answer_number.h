#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quorvel {

// The marks of the user's locale that an answer may contain, as UTF-8 texts.
struct NumberFormat {
    std::string decimalPoint = ".";
    std::string negativeSign = "-";
    std::string positiveSign = "+";
};

// Reads a typed answer as a number: blanks around it, one sign and a fraction part after the
// locale's decimal mark are accepted; digit grouping and exponents are not. Gives nothing for
// any other text and for numbers a double cannot hold.
std::optional<double> ParseAnswer(std::string_view text, const NumberFormat& format);

}  // namespace quorvel
