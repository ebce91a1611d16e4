#include "answer_number.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace quorvel {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

// Takes `mark` off the front of `text` when it is there; an empty mark never matches.
bool TakePrefix(std::string_view& text, std::string_view mark) {
    if (mark.empty() || !text.starts_with(mark)) return false;
    text.remove_prefix(mark.size());
    return true;
}

// Returns a minus, a plus or nothing; both the ASCII signs and the locale's own are accepted.
bool TakeSign(std::string_view& text, const NumberFormat& format) {
    if (TakePrefix(text, "-") || TakePrefix(text, format.negativeSign)) return true;
    if (!TakePrefix(text, "+")) TakePrefix(text, format.positiveSign);
    return false;
}

std::string_view TakeDigits(std::string_view& text) {
    size_t count = 0;
    while (count < text.size() && IsDigit(text[count])) ++count;
    std::string_view digits = text.substr(0, count);
    text.remove_prefix(count);
    return digits;
}

}  // namespace

std::optional<double> ParseAnswer(std::string_view text, const NumberFormat& format) {
    text = TrimBlanks(text);
    const bool negative = TakeSign(text, format);
    const std::string_view whole = TakeDigits(text);
    std::string_view fraction;
    if (TakePrefix(text, format.decimalPoint)) fraction = TakeDigits(text);
    if (!text.empty() || (whole.empty() && fraction.empty())) return std::nullopt;

    // The digits again in the form from_chars reads, whatever the locale's mark.
    std::string plain(whole);
    plain += '.';
    plain += fraction;
    double value = 0.0;
    const auto [end, error] =
        std::from_chars(plain.data(), plain.data() + plain.size(), value, std::chars_format::fixed);
    if (error != std::errc{} || end != plain.data() + plain.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

}  // namespace quorvel
