#include "value_text.h"

#include <locale.h>

#include <algorithm>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "faults.h"

namespace kurvex {
namespace {

using u128 = unsigned __int128;

constexpr int kDecimals = 18;
constexpr int kSignificant = 18;

constexpr uint64_t kPow10[] = {1ULL,
                               10ULL,
                               100ULL,
                               1000ULL,
                               10000ULL,
                               100000ULL,
                               1000000ULL,
                               10000000ULL,
                               100000000ULL,
                               1000000000ULL,
                               10000000000ULL,
                               100000000000ULL,
                               1000000000000ULL,
                               10000000000000ULL,
                               100000000000000ULL,
                               1000000000000000ULL,
                               10000000000000000ULL,
                               100000000000000000ULL,
                               1000000000000000000ULL,
                               10000000000000000000ULL};

// 10^k is exact in the extended type up to k = 27 (5^27 fits in its 64-bit significand), so a
// single multiplication or division by it rounds correctly.
constexpr int kExactPow10 = 27;

constexpr long double ExactPow10(int k) {
    long double p = 1;
    for (int i = 0; i < k; ++i) p *= 10;
    return p;
}

constexpr auto kPow10Real = [] {
    struct Table {
        long double at[kExactPow10 + 1];
    } t{};
    for (int k = 0; k <= kExactPow10; ++k) t.at[k] = ExactPow10(k);
    return t;
}();

locale_t CLocale() {
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", nullptr);
    return locale;
}

// printf in the "C" locale, so that the point is "." whatever the desktop's settings are.
template <typename... Args>
std::string PrintInCLocale(const char* format, Args... args) {
    char buffer[128];
    const locale_t previous = uselocale(CLocale());
    const int length = std::snprintf(buffer, sizeof buffer, format, args...);
    uselocale(previous);
    return std::string(buffer, length > 0 ? static_cast<size_t>(length) : 0);
}

[[noreturn]] void ThrowNotFinite(long double value) {
    if (std::isnan(value)) throw InvalidOperationFault();
    throw OverflowFault();
}

DecimalDigits ToScientific(long double value) {
    return RoundToSignificant(value, kSignificant);
}

// "1E20", "-2.5E21": trailing zeros dropped, no point when no digit follows it.
std::string ScientificText(const DecimalDigits& s) {
    std::string digits = s.digits;
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    std::string text = s.negative ? "-" : "";
    text += digits[0];
    if (digits.size() > 1) text.append(".").append(digits, 1);
    return text.append("E").append(std::to_string(s.exponent));
}

std::string WithoutSignOfZero(std::string text) {
    if (text[0] == '-' && text.find_first_not_of("-0.") == std::string::npos) text.erase(0, 1);
    return text;
}

// The largest E with 10^E <= magnitude, for 1 <= magnitude < 10^18.
int DecimalExponent(long double magnitude) {
    int e = 0;
    while (e < 17 && kPow10Real.at[e + 1] <= magnitude) ++e;
    return e;
}

constexpr uint64_t Pow5(int k) {
    return kPow10[k] >> k;
}  // 10^k = 5^k × 2^k

// magnitude × 10^decimals rounded to an integer, halves to even, computed exactly: the
// magnitude is M × 2^q with a 64-bit M, and M × 5^decimals fits in 128 bits.
uint64_t RoundScaled(long double magnitude, int decimals) {
    int e2 = 0;
    const long double fraction = std::frexp(magnitude, &e2);
    const auto significand = static_cast<uint64_t>(std::ldexp(fraction, 64));
    const u128 product = static_cast<u128>(significand) * Pow5(decimals);
    const int shift = e2 - 64 + decimals;
    if (shift >= 0) return static_cast<uint64_t>(product << shift);
    const int drop = -shift;
    if (drop >= 127) return 0;  // product < 2^106: far below one half
    u128 quotient = product >> drop;
    const u128 remainder = product - (quotient << drop);
    const u128 half = static_cast<u128>(1) << (drop - 1);
    if (remainder > half || (remainder == half && (quotient & 1))) ++quotient;
    return static_cast<uint64_t>(quotient);
}

char* WriteDigits(char* out, uint64_t value, int width) {
    char* end = out + width;
    for (char* p = end; p != out; value /= 10) *--p = static_cast<char>('0' + value % 10);
    return end;
}

int DigitCount(uint64_t value) {
    int count = 1;
    while (count < 20 && value >= kPow10[count]) ++count;
    return count;
}

}  // namespace

DecimalDigits RoundToSignificant(long double value, int significantDigits) {
    if (!std::isfinite(value)) ThrowNotFinite(value);
    const int decimals = std::clamp(significantDigits, 1, 36) - 1;
    const std::string text = PrintInCLocale("%.*Le", decimals, value);  // "-d.ddd...de+XX"
    DecimalDigits result{text[0] == '-', {}, 0};
    const size_t e = text.find('e');
    for (size_t i = result.negative ? 1 : 0; i < e; ++i)
        if (text[i] != '.') result.digits += text[i];
    result.exponent = std::atoi(text.c_str() + e + 1);
    return result;
}

std::string FormatValue(long double value) {
    if (!std::isfinite(value)) ThrowNotFinite(value);
    const long double magnitude = std::fabs(value);
    if (magnitude >= kPow10Real.at[kSignificant]) return ScientificText(ToScientific(value));

    const int decimals = magnitude < 1 ? kDecimals : kSignificant - 1 - DecimalExponent(magnitude);
    const uint64_t scaled = RoundScaled(magnitude, decimals);
    const bool negative = value < 0 && scaled != 0;
    if (decimals == 0 && scaled >= kPow10[kSignificant]) return negative ? "-1E18" : "1E18";

    char buffer[48];
    char* out = buffer;
    if (negative) *out++ = '-';
    const uint64_t integer = scaled / kPow10[decimals];
    out = WriteDigits(out, integer, DigitCount(integer));
    *out++ = '.';
    out = WriteDigits(out, scaled % kPow10[decimals], decimals);
    for (int i = decimals; i < kDecimals; ++i) *out++ = '0';
    return std::string(buffer, out);
}

namespace {

struct NumberShape {
    bool negative = false;
    bool anyDigit = false;
    bool exact = true;    // the digits fit in `digits` below
    uint64_t digits = 0;  // up to 19 significant digits
    long exponent10 = 0;  // value = digits × 10^exponent10
};

// Reads "digits with at most one point" from text[i..], advancing i.
bool ReadMantissa(std::string_view text, size_t& i, NumberShape& shape) {
    bool point = false;
    long significant = 0;
    long pendingZeros = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '.') {
            if (point) return false;
            point = true;
            continue;
        }
        if (c < '0' || c > '9') break;
        shape.anyDigit = true;
        if (point) --shape.exponent10;
        if (c == '0') {
            if (significant > 0) ++pendingZeros;
            continue;
        }
        significant += pendingZeros + 1;
        if (significant > 19) {
            shape.exact = false;
        } else {
            shape.digits =
                shape.digits * kPow10[pendingZeros] * 10 + static_cast<uint64_t>(c - '0');
        }
        pendingZeros = 0;
    }
    if (shape.exact) shape.exponent10 += pendingZeros;
    return true;
}

// Reads "E" or "e", an optional sign and digits from text[i..], advancing i.
bool ReadExponent(std::string_view text, size_t& i, NumberShape& shape) {
    if (i == text.size() || (text[i] != 'e' && text[i] != 'E')) return true;
    ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    long exponent = 0;
    const size_t first = i;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        exponent = std::min(exponent * 10 + (text[i] - '0'), 1000000L);
    if (i == first) return false;
    shape.exponent10 += negative ? -exponent : exponent;
    return true;
}

long double ParseInCLocale(std::string_view text) {
    const std::string copy(text);
    const long double value = strtold_l(copy.c_str(), nullptr, CLocale());
    if (std::isinf(value)) throw OverflowFault();
    return value;
}

// The value of a well-formed number text; exact digits take the fast road.
long double ValueOf(std::string_view text, const NumberShape& shape) {
    if (!shape.exact || shape.exponent10 > kExactPow10 || shape.exponent10 < -kExactPow10)
        return ParseInCLocale(text);
    long double value = static_cast<long double>(shape.digits);
    if (shape.exponent10 >= 0)
        value *= kPow10Real.at[shape.exponent10];
    else
        value /= kPow10Real.at[-shape.exponent10];
    return shape.negative ? -value : value;
}

}  // namespace

long double ReadOperandText(std::string_view text) {
    NumberShape shape;
    size_t i = 0;
    if (i < text.size() && text[i] == '-') shape.negative = true, ++i;
    if (!ReadMantissa(text, i, shape) || i != text.size()) throw ConversionFault(std::string(text));
    if (!shape.anyDigit) return 0;
    return ValueOf(text, shape);
}

long double ConvertNumber(std::string_view text) {
    NumberShape shape;
    size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) shape.negative = text[i++] == '-';
    const bool wellFormed = ReadMantissa(text, i, shape) && shape.anyDigit &&
                            ReadExponent(text, i, shape) && i == text.size();
    if (!wellFormed) throw ConversionFault(std::string(text));
    return ValueOf(text, shape);
}

namespace reference {

std::string FormatValue(long double value) {
    if (!std::isfinite(value)) ThrowNotFinite(value);
    if (std::fabs(value) < 1) return WithoutSignOfZero(PrintInCLocale("%.18Lf", value));
    const DecimalDigits s = ToScientific(value);
    if (s.exponent >= kSignificant) return ScientificText(s);
    std::string text = PrintInCLocale("%#.*Lf", kSignificant - 1 - s.exponent, value);
    return text + std::string(kDecimals - (text.size() - text.find('.') - 1), '0');
}

long double ParseDecimal(std::string_view text) {
    return ParseInCLocale(text);
}

}  // namespace reference
}  // namespace kurvex
