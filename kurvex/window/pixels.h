#pragma once

#include <algorithm>
#include <cstdint>

#include "rounding.h"

namespace kurvex {

// Points far outside the picture are held a million pixels out. Nothing there is visible, and
// a line towards such a point crosses the picture on the same pixels as one towards the true
// point, while the drawing code never sees coordinates it cannot handle.
constexpr int64_t kFarPixel = 1'000'000;

inline int ToPixel(int64_t value) {
    return static_cast<int>(std::clamp(value, -kFarPixel, kFarPixel));
}

// Exact while the result fits in 64 bits (both terms are whole numbers of at most 64 bits),
// held at the ends of the range beyond.
inline int64_t HeldSum(int64_t a, long double b) {
    return Round(a + b);
}

}  // namespace kurvex
