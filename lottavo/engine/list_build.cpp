#include <cstdio>

#include "randomize.h"

namespace lottavo {

void RandomizeC::runList() {
    for (int32_t i = 0; i < kValueCount; ++i) {
        svc.wait.sleepMs(kListWait);
        makeNumSeed(SeedVal, i);
        makeRandomNum(i);
        makeTimeMix();
    }
}

// Draws value index from NumSeed: a first draw, then a second one seeded with the first.
void RandomizeC::makeRandomNum(int32_t index) {
    if (index < 0 || index >= kValueCount) {
        svc.err.fatal(-1, "RandomizeC::makeRandomNum(%d) failed:\nValue index out of range.",
                      index);
    }
    generator.seed(static_cast<uint32_t>(NumSeed));
    const uint32_t first = generator.draw();
    RandAcc = static_cast<int32_t>(first);
    generator.seed(first);
    const uint32_t second = generator.draw();
    RandAcc = static_cast<int32_t>(first + 2 * second);
    RandNums[index] = static_cast<uint32_t>(RandAcc);
    if (index == kValueCount - 1) buildList(index);
}

void RandomizeC::buildList(int32_t index) {
    setOutBuf(0, "");
    setPasswStr(0, "");
    for (int32_t d = 0; d < 2 * kEntryCount; d += 2) {
        const uint32_t value = foldEntry(d);
        RandNums[d] = value;
        appendListLine(d / 2, value, index);
        appendPrintable(value);
        if (d == 12 || d == 24) setPasswStr(static_cast<int32_t>(getPasswStrLen()), "\n");
    }
    appendPrintableBlock(index);
    cumulateRandomNum(ListNum);
    messageRandomNum(ListNum);
}

// One number of the list from the values at d and d + 1, with two bits of one of the last eight
// values set into its top halves.
uint32_t RandomizeC::foldEntry(int32_t d) const {
    uint32_t value = RandNums[d] ^ (RandNums[d + 1] << 16);
    const uint32_t tail = RandNums[kValueCount - 1 - d / 4];
    value ^= (tail & 1u) << 31;
    value ^= ((tail >> 1) & 1u) << 15;
    return value;
}

void RandomizeC::appendListLine(int32_t entry, uint32_t value, int32_t index) {
    char line[32];
    std::snprintf(line, sizeof line, "%02d  %010u = %08X\n", entry, value, value);
    Status = setOutBuf(static_cast<int32_t>(getOutBufLen()), line);
    if (Status < 0) {
        svc.err.fatal(
            -2, "RandomizeC::makeRandomNum(%d) failed:\nCouldn't copy number into OutBuf.", index);
    }
}

// The graphic characters (33 to 126) among the four bytes of value, lowest byte first, each
// taken without its top bit.
void RandomizeC::appendPrintable(uint32_t value) {
    for (int32_t shift = 0; shift < 32; shift += 8) {
        const char x = static_cast<char>((value >> shift) & 127u);
        if (x < 33 || x > 126) continue;
        const char text[2] = {x, '\0'};
        setPasswStr(static_cast<int32_t>(getPasswStrLen()), text);
    }
}

void RandomizeC::appendPrintableBlock(int32_t index) {
    char block[kPasswSize + 16];
    std::snprintf(block, sizeof block, "\nPrintable:\n%s", PasswStr.data());
    Status = setOutBuf(static_cast<int32_t>(getOutBufLen()), block);
    if (Status < 0) {
        svc.err.fatal(
            -3, "RandomizeC::makeRandomNum(%d) failed:\nCouldn't copy password string into OutBuf.",
            index);
    }
}

}  // namespace lottavo
