#include <algorithm>
#include <array>

#include "randomize.h"

namespace lottavo {

namespace {

constexpr uint32_t kSieveSpan = 32000;    // sieve limits are taken modulo this
constexpr uint32_t kNumSeedSpan = 32000;  // value seeds lie below this

}  // namespace

void RandomizeC::makeTimeMix() {
    svc.wait.sleepMs(kMixWait);
    std::array<int32_t, 5> m{};
    for (int32_t& millis : m) {
        TimeNow = svc.clock.now();
        millis = TimeNow.millis;
    }
    TimeMix = (((m[0] * 31 + m[1] * 17) ^ (m[2] * 5)) ^ (m[3] * 23)) + m[4];
}

// An odd-only sieve of Eratosthenes up to 2n + 3, n = limit mod 32000; flag i stands for 2i + 3.
// PrimeVal becomes the prime found before the last one (1 when n is 0).
void RandomizeC::sievePrimes(uint32_t limit) {
    const uint32_t n = limit % kSieveSpan;
    std::fill_n(PrimeFlags.begin(), n + 1, uint8_t{1});
    uint32_t prime = 1;
    uint32_t last = 1;
    for (uint32_t i = 0; i <= n; ++i) {
        if (PrimeFlags[i] != 1) continue;
        last = prime;
        prime = 2 * i + 3;
        for (uint32_t k = i + prime; k <= n; k += prime) PrimeFlags[k] = 0;
    }
    PrimeVal = static_cast<int32_t>(last);
}

// Mixes the seed, the value index, the primes of the previous and of this list and the clock
// into the seed of one value. Unsigned arithmetic throughout: the products wrap.
void RandomizeC::makeNumSeed(int32_t seed, int32_t index) {
    uint32_t v = (static_cast<uint32_t>(seed) + 1901u * static_cast<uint32_t>(index)) *
                 static_cast<uint32_t>(PrimeVal);
    sievePrimes(7u * static_cast<uint32_t>(ListNum));
    v ^= static_cast<uint32_t>(PrimeVal);
    NumSeed = static_cast<int32_t>((v + static_cast<uint32_t>(TimeMix)) % kNumSeedSpan);
}

}  // namespace lottavo
