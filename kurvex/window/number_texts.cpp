#include "number_texts.h"

#include <string_view>

#include "engine.h"

namespace kurvex {
namespace {

constexpr int kGeneralDigits = 15;

std::string WithSeparator(std::string text, const std::string& separator) {
    const size_t point = text.find('.');
    if (point != std::string::npos) text.replace(point, 1, separator);
    return text;
}

std::string_view WithoutBlanks(std::string_view text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

}  // namespace

std::string ValueText(long double value, const std::string& decimalSeparator) {
    return WithSeparator(FormatValue(value), decimalSeparator);
}

std::string GeneralText(long double value, const std::string& decimalSeparator) {
    if (value == 0) return "0";
    DecimalDigits d = RoundToSignificant(value, kGeneralDigits);
    d.digits.erase(d.digits.find_last_not_of('0') + 1);
    std::string text = d.negative ? "-" : "";
    if (d.exponent >= kGeneralDigits || d.exponent < -4) {
        text += d.digits[0];
        if (d.digits.size() > 1) text.append(decimalSeparator).append(d.digits, 1);
        return text.append("E").append(std::to_string(d.exponent));
    }
    if (d.exponent < 0)
        return text.append("0")
            .append(decimalSeparator)
            .append(-d.exponent - 1, '0')
            .append(d.digits);
    const size_t integerDigits = static_cast<size_t>(d.exponent) + 1;
    if (d.digits.size() <= integerDigits)
        return text.append(d.digits).append(integerDigits - d.digits.size(), '0');
    return text.append(d.digits, 0, integerDigits)
        .append(decimalSeparator)
        .append(d.digits, integerDigits);
}

// The entry as the engine's conversion reads it: blanks gone, the desktop's separator a ".".
std::string AsPlainNumber(const std::string& text, const std::string& decimalSeparator) {
    const std::string_view number = WithoutBlanks(text);
    if (decimalSeparator.empty() || decimalSeparator == ".") return std::string(number);
    // A "." is no point where the desktop's separator is another one.
    if (number.find('.') != std::string_view::npos) throw ConversionFault(text);
    const size_t separator = number.find(decimalSeparator);
    if (separator == std::string_view::npos) return std::string(number);
    std::string plain(number.substr(0, separator));
    plain += '.';
    plain += number.substr(separator + decimalSeparator.size());
    return plain;
}

long double BoxNumber(const std::string& text, const std::string& decimalSeparator) {
    try {
        return ConvertNumber(AsPlainNumber(text, decimalSeparator));
    } catch (const ConversionFault&) {
        throw ConversionFault(text);
    } catch (const OverflowFault&) {
        throw ConversionFault(text);
    }
}

}  // namespace kurvex
