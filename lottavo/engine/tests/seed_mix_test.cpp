#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "engine_rig.h"
#include "lcg32.h"

namespace lottavo {
namespace {

class SeedMixTest : public ::testing::Test, public EngineRig {
protected:
    // Makes the next five clock readings show these milliseconds.
    void readings(std::array<uint16_t, 5> millis) {
        const uint32_t from = clock.reads;
        clock.millisAt = [from, millis](uint32_t k) { return millis.at(k - from); };
    }
};

struct MixCase {
    std::array<uint16_t, 5> millis;
    int32_t timeMix;
};

class TimeMixTest : public SeedMixTest, public ::testing::WithParamInterface<MixCase> {};

TEST_P(TimeMixTest, MixesFiveReadings) {
    readings(GetParam().millis);
    engine.makeTimeMix();
    EXPECT_EQ(engine.getTimeMix(), GetParam().timeMix);
}

// ((m1 * 31 + m2 * 17) XOR m3 * 5) XOR m4 * 23, plus m5.
INSTANTIATE_TEST_SUITE_P(
    Readings, TimeMixTest,
    ::testing::Values(MixCase{{0, 0, 0, 0, 0}, 0}, MixCase{{1, 0, 0, 0, 0}, 31},
                      MixCase{{0, 1, 0, 0, 0}, 17}, MixCase{{0, 0, 1, 0, 0}, 5},
                      MixCase{{0, 0, 0, 1, 0}, 23}, MixCase{{0, 0, 0, 0, 1}, 1},
                      // 31 XOR 5 = 11111b XOR 00101b = 11010b: an exclusive or, not a sum
                      MixCase{{1, 0, 1, 0, 0}, 26},
                      // (17 XOR 10) = 27, 27 XOR 69 = 94, + 4
                      MixCase{{0, 1, 2, 3, 4}, 98},
                      // 47952 = BB50h XOR 4995 = 1383h gives A8D3h; XOR 22977 = 59C1h gives
                      // F112h = 61714; + 999
                      MixCase{{999, 999, 999, 999, 999}, 62713}));

TEST_F(SeedMixTest, TheMixWaitsAMillisecondThenReadsTheClockFiveTimes) {
    engine.makeTimeMix();
    EXPECT_EQ(events, (EventLogT{"wait 1", "clock", "clock", "clock", "clock", "clock"}));
}

// The next-to-largest odd prime not above 2n + 3, by trial division.
int32_t oddPrimeBeforeLast(uint32_t n) {
    std::vector<uint32_t> primes;
    for (uint32_t odd = 3; odd <= 2 * n + 3; odd += 2) {
        bool prime = true;
        for (uint32_t f = 3; f * f <= odd && prime; f += 2) prime = odd % f != 0;
        if (prime) primes.push_back(odd);
    }
    return primes.size() < 2 ? 1 : static_cast<int32_t>(primes[primes.size() - 2]);
}

struct SieveCase {
    uint32_t limit;
    int32_t primeVal;
};

class SieveTest : public SeedMixTest, public ::testing::WithParamInterface<SieveCase> {};

TEST_P(SieveTest, GivesThePrimeBeforeTheLast) {
    engine.sievePrimes(GetParam().limit);
    EXPECT_EQ(engine.getPrimeVal(), GetParam().primeVal);
}

INSTANTIATE_TEST_SUITE_P(Limits, SieveTest,
                         ::testing::Values(SieveCase{0, 1},  // 3 alone: no prime before it
                                           SieveCase{1, 3},  // 3, 5
                                           SieveCase{7, 13}, SieveCase{14, 29}, SieveCase{21, 41},
                                           // limits are taken modulo 32000
                                           SieveCase{32000, 1}, SieveCase{32007, 13},
                                           SieveCase{4294967295u, oddPrimeBeforeLast(23295)}));

TEST_F(SeedMixTest, TheSieveAgreesWithTrialDivision) {
    for (uint32_t n : {2u, 3u, 4u, 5u, 10u, 50u, 99u, 100u, 1000u, 4567u, 31998u, 31999u}) {
        engine.sievePrimes(n);
        EXPECT_EQ(engine.getPrimeVal(), oddPrimeBeforeLast(n)) << "limit " << n;
    }
}

TEST_F(SeedMixTest, ALowerLimitAfterAHigherOneSievesAfresh) {
    engine.sievePrimes(31999);
    engine.sievePrimes(7);
    EXPECT_EQ(engine.getPrimeVal(), 13);
}

// The first value of a run: seed 0, index 0, PrimeVal still 7 from the constructor, list 1,
// TimeMix 98. v = (0 + 0) * 7 = 0; the sieve with 7 * 1 gives 13; 0 XOR 13 = 13;
// (13 + 98) mod 32000 = 111.
TEST_F(SeedMixTest, TheFirstValueOfARun) {
    engine.setListNum(1);
    readings({0, 1, 2, 3, 4});
    engine.makeTimeMix();
    engine.makeNumSeed(0, 0);
    EXPECT_EQ(engine.getNumSeed(), 111);
    EXPECT_EQ(engine.getPrimeVal(), 13);
}

// The multiplier is the previous sieve's result: 13 from list 1 here, while this sieve (list 2,
// limit 14) leaves 29. (32000 + 1901 * 39) * 13 = 106139 * 13 = 1379807; XOR 29 = 1379778
// (low five bits 11111b XOR 11101b = 00010b); + 0, mod 32000 = 1379778 - 43 * 32000 = 3778.
TEST_F(SeedMixTest, TheMultiplierIsThePreviousSievesResult) {
    engine.sievePrimes(7);
    engine.setListNum(2);
    readings({0, 0, 0, 0, 0});
    engine.makeTimeMix();
    engine.makeNumSeed(32000, 39);
    EXPECT_EQ(engine.getPrimeVal(), 29);
    EXPECT_EQ(engine.getNumSeed(), 3778);
}

// (32000 + 1901 * 39) * 63977 = 6790454803 wraps to 6790454803 - 2^32 = 2495487507; the sieve
// for list 3 (limit 21) gives 41; 2495487507 XOR 41 = 2495487546 (low six bits 010011b XOR
// 101001b = 111010b); + 500 = 2495488046 = 77984 * 32000 + 46.
TEST_F(SeedMixTest, TheProductWrapsAt32Bits) {
    engine.sievePrimes(31999);
    ASSERT_EQ(engine.getPrimeVal(), 63977);
    engine.setListNum(3);
    readings({0, 0, 0, 0, 500});
    engine.makeTimeMix();
    engine.makeNumSeed(32000, 39);
    EXPECT_EQ(engine.getNumSeed(), 46);
}

TEST_F(SeedMixTest, ExtremeListNumbersAndSeedsStayInRange) {
    for (int32_t listNum : {INT32_MAX, INT32_MIN, -1}) {
        engine.setListNum(listNum);
        engine.makeNumSeed(INT32_MIN, INT32_MAX);
        EXPECT_GE(engine.getNumSeed(), 0);
        EXPECT_LT(engine.getNumSeed(), 32000);
    }
}

// state := state * 22695477 + 1, giving (state >> 16) AND 32767.
TEST(Lcg32Test, DrawsAsTheProgramAlwaysHas) {
    Lcg32C generator;
    // unseeded, the state is 1: 22695478 >> 16 = 346
    EXPECT_EQ(generator.draw(), 346u);
    EXPECT_EQ(generator.getState(), 22695478u);
    // 111 * 22695477 + 1 = 2519197948; >> 16 = 38439; AND 32767 = 5671
    generator.seed(111);
    EXPECT_EQ(generator.draw(), 5671u);
    // 5671 * 22695477 + 1 = 128706050068 = 4151998484 mod 2^32; >> 16 = 63354; AND 32767 = 30586
    generator.seed(5671);
    EXPECT_EQ(generator.draw(), 30586u);
    EXPECT_EQ(generator.getState(), 4151998484u);
    // (2^32 - 1) * 22695477 + 1 = 1 - 22695477 = 4272271820 mod 2^32; >> 16 = 65189; AND
    // 32767 = 32421
    generator.seed(4294967295u);
    EXPECT_EQ(generator.draw(), 32421u);
}

TEST(Lcg32Test, SeedingRepeatsTheSequence) {
    Lcg32C generator;
    generator.seed(25127);
    const uint32_t first = generator.draw();
    const uint32_t second = generator.draw();
    generator.seed(25127);
    EXPECT_EQ(generator.draw(), first);
    EXPECT_EQ(generator.draw(), second);
}

}  // namespace
}  // namespace lottavo
