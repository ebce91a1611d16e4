#include "power.h"

#include <cmath>
#include <cstdint>

#include "checked.h"
#include "faults.h"

namespace kurvex {
namespace {

// Square-and-multiply from the lowest bit; the base is never squared after the highest bit, so
// the product overflows only when the power itself does.
long double WholePower(long double base, int32_t exponent) {
    uint32_t bits =
        exponent < 0 ? 0U - static_cast<uint32_t>(exponent) : static_cast<uint32_t>(exponent);
    long double product = 1;
    long double square = base;
    for (;;) {
        if (bits & 1U) product *= square;
        bits >>= 1U;
        if (bits == 0) break;
        square *= square;
    }
    if (exponent > 0) return Checked(product);
    // 1/product: a product beyond the range means a power below it, which is 0.
    if (std::isinf(product)) return 0;
    if (product == 0) {
        if (base == 0) throw DivisionByZeroFault();
        throw OverflowFault();
    }
    return Checked(1 / product);
}

}  // namespace

long double Power(long double base, long double exponent) {
    if (exponent == 0) return 1;
    if (exponent == std::trunc(exponent) && exponent < 2147483647.0L) {
        if (exponent < -2147483648.0L) throw InvalidOperationFault();
        return WholePower(base, static_cast<int32_t>(exponent));
    }
    if (base < 0) throw InvalidArgumentFault();
    if (base == 0) throw DivisionByZeroFault();  // ln 0
    return Checked(std::exp(exponent * std::log(base)));
}

}  // namespace kurvex
