#include <array>
#include <cstdio>
#include <cstring>

#include "randomize.h"

namespace lottavo {

namespace {

constexpr std::size_t kSeedWorkSize = 16;
constexpr std::size_t kSeedCut = 11;
constexpr std::size_t kSeedDigits = 5;

bool allDigits(const char* text) {
    for (; *text != '\0'; ++text) {
        if (*text < '0' || *text > '9') return false;
    }
    return true;
}

// The number in the first five digits, as a "%5u" scan reads it.
uint32_t leadingNumber(const char* digits) {
    uint32_t value = 0;
    for (std::size_t k = 0; k < kSeedDigits && digits[k] != '\0'; ++k) {
        value = value * 10 + static_cast<uint32_t>(digits[k] - '0');
    }
    return value;
}

}  // namespace

// Takes the seed text's value into SeedVal. Refusals (-2 blank, control or high first
// character or empty text, -3 not all digits, -4 above 32000) are left to the caller to report
// and change nothing here.
int32_t RandomizeC::checkUSeedStr(uint32_t defaultValue) {
    std::array<char, kSeedWorkSize> work{};
    std::memcpy(work.data(), USeedStr.data(), strnlen(USeedStr.data(), kSeedCut));
    if (work[0] == '\0') std::snprintf(work.data(), work.size(), "%5u", defaultValue);

    if (static_cast<signed char>(work[0]) <= 32) return -2;
    if (!allDigits(work.data())) return -3;
    const uint32_t value = leadingNumber(work.data());
    if (value > kSeedMax) return -4;

    SeedVal = static_cast<int32_t>(value);
    Status = setUSeedStr(work.data());
    return Status;
}

}  // namespace lottavo
