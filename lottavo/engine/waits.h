#pragma once

#include <cstdint>

namespace lottavo {

// Blocks the calling thread for a number of milliseconds.
class WaitC {
public:
    virtual ~WaitC() = default;
    virtual void sleepMs(uint32_t ms) = 0;
};

}  // namespace lottavo
