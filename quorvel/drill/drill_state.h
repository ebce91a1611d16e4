#pragma once

#include <cstdint>
#include <string>

namespace quorvel {

// The values that carry one run of the drill from window to window. One instance lives for the
// whole program, outside the windows: each accepted Start writes the band and the start time,
// the result window writes the elapsed time and its message.
struct DrillState {
    std::int16_t intTopFactor = 0;  // highest factor of the chosen band
    float sngStartTime = 0.0f;      // time of day of the accepted Start, fraction of a day
    float sngElapsed = 0.0f;        // length of the run, fraction of a day
    std::string strTimeMsg;         // the two-line result message
};

}  // namespace quorvel
