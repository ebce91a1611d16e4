#pragma once

#include <cstdint>

namespace lottavo {

// One reading of the local clock. Only the milliseconds feed the lists; the rest is kept as
// read.
struct ClockReadingC {
    int64_t seconds = 0;      // since 1970
    uint16_t millis = 0;      // 0 to 999
    int16_t minutesWest = 0;  // of universal time
    int16_t dstFlag = 0;      // 1 while daylight-saving time is in force
};

class ClockC {
public:
    virtual ~ClockC() = default;
    virtual ClockReadingC now() = 0;
};

}  // namespace lottavo
