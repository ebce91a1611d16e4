#pragma once

#include <cmath>
#include <cstdint>

namespace kurvex {

// To the nearest integer, halves to the even neighbour: Round(2.5) = 2, Round(3.5) = 4.
// Values beyond the 64-bit range are held at its ends.
inline int64_t Round(long double value) {
    if (std::isnan(value)) return 0;
    const long double nearest = std::nearbyint(value);  // the default mode rounds halves to even
    if (nearest >= 9223372036854775807.0L) return INT64_MAX;
    if (nearest <= -9223372036854775808.0L) return INT64_MIN;
    return static_cast<int64_t>(nearest);
}

// Drops the fraction, toward zero, held at the ends of the 64-bit range like Round.
inline int64_t Trunc(long double value) {
    return Round(std::trunc(value));
}

}  // namespace kurvex
