#pragma once

namespace kurvex {

// base^exponent in extended precision. A whole exponent takes square-and-multiply, anything
// else e^(exponent × ln base). Raises the invalid-operation fault for a whole exponent below the
// 32-bit range, invalid-argument for a negative base with any other exponent, division by zero
// for ln 0 and overflow for a result beyond the range; results below the range are 0.
long double Power(long double base, long double exponent);

}  // namespace kurvex
