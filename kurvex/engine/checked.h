#pragma once

#include <cmath>

#include "faults.h"

namespace kurvex {

// A result beyond the extended range is an overflow fault, never an infinity carried on.
inline long double Checked(long double result) {
    if (std::isnan(result)) throw InvalidOperationFault();
    if (std::isinf(result)) throw OverflowFault();
    return result;
}

}  // namespace kurvex
