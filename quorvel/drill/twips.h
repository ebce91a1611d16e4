#pragma once

#include <cmath>

namespace quorvel {

inline constexpr double kTwipsPerInch = 1440.0;

// Pixels for a length in twips on a screen of `dotsPerInch` logical dots, to the nearest pixel.
inline int TwipsToPixels(int twips, double dotsPerInch) {
    return static_cast<int>(std::lround(twips * dotsPerInch / kTwipsPerInch));
}

}  // namespace quorvel
