#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "engine_rig.h"
#include "generator_commands.h"

namespace lottavo {
namespace {

class ListBuildTest : public ::testing::Test, public EngineRig {
protected:
    void SetUp() override { errno = 0; }
};

// Value 0 of list 1 with seed 0 and TimeMix 98 has NumSeed 111 (see the seed mix tests). The
// first draw from 111 gives 5671, the second, seeded with 5671, gives 30586:
// RandAcc = 5671 + 2 * 30586 = 66843.
TEST_F(ListBuildTest, AValueIsTheFirstDrawPlusTwiceTheSecond) {
    engine.setListNum(1);
    engine.makeTimeMix();  // readings 0 to 4: TimeMix 98
    engine.makeNumSeed(0, 0);
    ASSERT_EQ(engine.getNumSeed(), 111);
    engine.makeRandomNum(0);
    EXPECT_EQ(engine.getRandAcc(), 66843);
    // Values before the last build nothing.
    EXPECT_STREQ(engine.getOutBuf(), "No data:  Press [Generate] for\n a random number list.");
    EXPECT_TRUE(box.shown.empty());
}

class ValueIndexTest : public ListBuildTest, public ::testing::WithParamInterface<int32_t> {};

TEST_P(ValueIndexTest, AnIndexOutsideTheListEndsTheProgram) {
    try {
        engine.makeRandomNum(GetParam());
        FAIL() << "drew a value for index " << GetParam();
    } catch (const ProgramEndedC& ended) {
        EXPECT_EQ(ended.status, -1);
    }
    ASSERT_EQ(box.shown.size(), 1u);
    EXPECT_EQ(box.shown[0].text, "RandomizeC::makeRandomNum(" + std::to_string(GetParam()) +
                                     ") failed:\nValue index out of range.\n   -----> Status = "
                                     "-1 *****\n\n\nFatal Error.   Aborting ...\n");
}

INSTANTIATE_TEST_SUITE_P(OutOfRange, ValueIndexTest, ::testing::Values(-1, 40, INT32_MIN));

// What a list text must look like, checked independently of how it was made:
// 16 lines "nn  dddddddddd = HHHHHHHH\n" of 26 characters, entries 00 to 15, decimal and hex
// the same number; a line feed, "Printable:" and a line feed; then the graphic characters
// (33 to 126) of the bytes of each number, lowest byte first and without the top bit, in three
// lines: entries 0 to 6, 7 to 12 and 13 to 15, with no line feed at the end.
constexpr const char* kDigits = "0123456789";
constexpr const char* kUpperHex = "0123456789ABCDEF";

bool fieldIs(const std::string& line, std::size_t from, std::size_t length, const char* allowed) {
    const std::string field = line.substr(from, length);
    return field.size() == length && field.find_first_not_of(allowed) == std::string::npos;
}

::testing::AssertionResult hasListShape(const std::string& text) {
    constexpr std::size_t kLine = 26;
    constexpr std::size_t kLines = 16;
    if (text.size() > 494) return ::testing::AssertionFailure() << "longer than 494";
    if (text.find('\r') != std::string::npos) return ::testing::AssertionFailure() << "CR";
    if (text.size() < kLine * kLines + 12) return ::testing::AssertionFailure() << "too short";

    std::string expectedPrintable;
    for (std::size_t e = 0; e < kLines; ++e) {
        const std::string line = text.substr(e * kLine, kLine);
        if (!fieldIs(line, 0, 2, kDigits) || line.compare(2, 2, "  ") != 0 ||
            !fieldIs(line, 4, 10, kDigits) || line.compare(14, 3, " = ") != 0 ||
            !fieldIs(line, 17, 8, kUpperHex) || line[25] != '\n') {
            return ::testing::AssertionFailure() << "bad line " << e << ": " << line;
        }
        const unsigned long entry = std::stoul(line.substr(0, 2));
        const unsigned long decimal = std::stoul(line.substr(4, 10));
        const unsigned long hex = std::stoul(line.substr(17, 8), nullptr, 16);
        if (entry != e || decimal != hex || decimal > UINT32_MAX) {
            return ::testing::AssertionFailure() << "bad numbers in line " << e << ": " << line;
        }
        for (int shift = 0; shift < 32; shift += 8) {
            const char x = static_cast<char>((decimal >> shift) & 127);
            if (x >= 33 && x <= 126) expectedPrintable += x;
        }
        if (e == 6 || e == 12) expectedPrintable += '\n';
    }
    const std::string tail = text.substr(kLine * kLines);
    if (tail != "\nPrintable:\n" + expectedPrintable) {
        return ::testing::AssertionFailure()
               << "printable block " << tail << " instead of " << expectedPrintable;
    }
    return ::testing::AssertionSuccess();
}

struct RunCase {
    const char* name;
    const char* seed;
    std::function<uint16_t(uint32_t)> millis;
};

class ListShapeTest : public ListBuildTest, public ::testing::WithParamInterface<RunCase> {};

TEST_P(ListShapeTest, EveryListHasItsShapeAndIsCumulatedAndShown) {
    clock.millisAt = GetParam().millis;
    engine.setUSeedStr(GetParam().seed);
    for (int32_t n = 1; n <= 6; ++n) {
        const std::string before = engine.getTextPtr();
        ASSERT_EQ(generateCommand(engine, err), 0);
        const std::string list = engine.getOutBuf();
        EXPECT_TRUE(hasListShape(list)) << "list " << n;

        char header[32];
        std::snprintf(header, sizeof header, "\n\nList #%03d:\n", n);
        const std::string text = engine.getTextPtr();
        const std::string kept =
            n == 1 ? "Cumulated lists this session (save for proper format):  \n" : before;
        EXPECT_EQ(text, kept + header + list + "\n");
        if (n > 1) {
            EXPECT_EQ(text.size(), before.size() + list.size() + 14);
        }

        ASSERT_EQ(box.shown.size(), static_cast<std::size_t>(n));
        EXPECT_EQ(box.shown.back().text, list);
        EXPECT_EQ(box.shown.back().caption, " Random Number List #00" + std::to_string(n));
    }
}

uint16_t scrambled(uint32_t k) {
    uint32_t x = k * 2654435761u;
    x ^= x >> 15;
    return static_cast<uint16_t>(x % 1000);
}

INSTANTIATE_TEST_SUITE_P(
    Runs, ListShapeTest,
    ::testing::Values(
        RunCase{"CountingClockSeed0", "0", [](uint32_t k) { return k % 1000; }},
        RunCase{"StoppedClockSeed1", "1", [](uint32_t) { return uint16_t{0}; }},
        RunCase{"LateClockSeed32000", "32000", [](uint32_t) { return uint16_t{999}; }},
        RunCase{"ScrambledClockSeed12345", "12345", scrambled},
        RunCase{"ScrambledClockSeed777", "777", [](uint32_t k) { return scrambled(k + 17); }}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace lottavo
