#pragma once

#include <cstdint>

namespace lottavo {

// The program's own 32-bit linear congruential generator, the same on every platform: each
// draw steps the state to state * 22695477 + 1 (mod 2^32) and gives bits 16 to 30 of it.
class Lcg32C {
public:
    void seed(uint32_t value) { state = value; }
    uint32_t draw() {
        state = state * 22695477u + 1u;
        return (state >> 16) & 32767u;
    }
    uint32_t getState() const { return state; }

private:
    uint32_t state = 1;
};

}  // namespace lottavo
