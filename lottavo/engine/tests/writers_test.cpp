#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <string>

#include "engine_rig.h"

namespace lottavo {
namespace {

const std::string kStatusMinus2 = "\n   -----> Status = -2 *****\n";
const std::string kRemnant =
    "Remnant string from RandomizeC ctor.  If this is visible, cumulation of Lists failed.";

class WritersTest : public ::testing::Test, public EngineRig {
protected:
    void SetUp() override { errno = 0; }
};

TEST_F(WritersTest, TheConstructorSetsTheStartValues) {
    EXPECT_STREQ(engine.getOutTitleBuf(), " NO DATA! ");
    EXPECT_STREQ(engine.getOutBuf(), "No data:  Press [Generate] for\n a random number list.");
    EXPECT_EQ(engine.getTextPtr(), kRemnant);
    EXPECT_EQ(engine.getTextPtrLen(), kRemnant.size());
    EXPECT_STREQ(engine.getPasswStr(), "");
    EXPECT_STREQ(engine.getUSeedStr(), "");
    EXPECT_EQ(engine.getPrimeVal(), 7);
    EXPECT_EQ(engine.getListNum(), 0);
    EXPECT_EQ(engine.getSeedVal(), 0);
    EXPECT_EQ(engine.getCumShown(), 0);
    EXPECT_EQ(engine.getTimeMix(), 0);
    EXPECT_EQ(engine.getNumSeed(), 0);
    EXPECT_EQ(engine.getRandAcc(), 0);
    EXPECT_TRUE(box.shown.empty());
    EXPECT_TRUE(waits.waits.empty());
    EXPECT_EQ(clock.reads, 0u);
}

TEST(RandomizeCtorTest, NoMemoryForTheTextBlockEndsTheProgram) {
    errno = 0;
    RecordingMsgBoxC box;
    ThrowingExitC programExit;
    ErrHC err{box, programExit};
    ScriptedClockC clock;
    RecordingWaitC waits;
    MemoryClipboardC clipboard;
    LimitedMemoryC memory;
    memory.limit = 127;
    try {
        RandomizeC engine({err, clock, waits, box, clipboard, memory});
        FAIL() << "constructed without a text block";
    } catch (const ProgramEndedC& ended) {
        EXPECT_EQ(ended.status, -1);
    }
    ASSERT_EQ(box.shown.size(), 1u);
    EXPECT_EQ(box.shown[0].text,
              "RandomizeC ctor:  Can't allocate\n128 byte TextBufPtr for text window.\n"
              "\n   -----> Status = -1 *****\n\n\nFatal Error.   Aborting ...\n");
}

// The three writers into fixed buffers behave alike but for their name and capacity.
struct FixedWriter {
    const char* name;
    int32_t (RandomizeC::*write)(int32_t, const char*);
    const char* (RandomizeC::*read)() const;
    int32_t capacity;
};

class FixedWriterTest : public ::testing::TestWithParam<FixedWriter>, public EngineRig {
protected:
    void SetUp() override { errno = 0; }

    int32_t write(int32_t start, const char* text) {
        return (engine.*GetParam().write)(start, text);
    }
    std::string text() const { return (engine.*GetParam().read)(); }

    std::string illegal(int32_t start, int32_t length) const {
        char message[200];
        std::snprintf(message, sizeof message,
                      "Lottavo Internal ERROR: RandomizeC::%s().\nIllegal start index=%d for "
                      "string length %d into array of length %d",
                      GetParam().name, start, length, GetParam().capacity);
        return message + kStatusMinus2;
    }

    // Makes the buffer hold a known text.
    void prime(const std::string& value) {
        ASSERT_EQ(write(0, value.c_str()), 0);
        ASSERT_EQ(text(), value);
    }
};

TEST_P(FixedWriterTest, WritingAtZeroReplaces) {
    prime("abcdef");
    EXPECT_EQ(write(0, "xy"), 0);
    EXPECT_EQ(text(), "xy");
}

TEST_P(FixedWriterTest, WritingAtTheLengthAppends) {
    prime("abc");
    EXPECT_EQ(write(3, "def"), 0);
    EXPECT_EQ(text(), "abcdef");
}

TEST_P(FixedWriterTest, WritingInsideCutsWhatStoodBehind) {
    prime("abcdef");
    EXPECT_EQ(write(2, "X"), 0);
    EXPECT_EQ(text(), "abX");
    EXPECT_EQ(write(1, ""), 0);
    EXPECT_EQ(text(), "a");
}

TEST_P(FixedWriterTest, ATextFillingTheBufferToTheLastCharacterIsTaken) {
    const int32_t capacity = GetParam().capacity;
    prime(std::string(capacity - 4, 'a'));
    EXPECT_EQ(write(capacity - 4, "bcd"), 0);  // its terminator lands in the last place
    EXPECT_EQ(text(), std::string(capacity - 4, 'a') + "bcd");
    EXPECT_TRUE(box.shown.empty());
}

TEST_P(FixedWriterTest, ATextRunningPastTheBufferIsRefused) {
    const int32_t capacity = GetParam().capacity;
    prime(std::string(capacity - 3, 'a'));
    EXPECT_EQ(write(capacity - 3, "bcd"), -2);
    EXPECT_EQ(engine.getStatus(), -2);
    EXPECT_EQ(text(), std::string(capacity - 3, 'a'));
    ASSERT_EQ(box.shown.size(), 1u);
    EXPECT_EQ(box.shown[0].text, illegal(capacity - 3, 4));
}

TEST_P(FixedWriterTest, ATooLongTextIsRefusedAtAnyStart) {
    prime("keep");
    const std::string tooLong(GetParam().capacity, 'z');
    EXPECT_EQ(write(0, tooLong.c_str()), -2);
    EXPECT_EQ(text(), "keep");
    ASSERT_EQ(box.shown.size(), 1u);
    EXPECT_EQ(box.shown[0].text, illegal(0, GetParam().capacity + 1));
}

TEST_P(FixedWriterTest, ANegativeStartIsRefused) {
    prime("keep");
    EXPECT_EQ(write(-1, "abc"), -2);
    EXPECT_EQ(write(INT32_MIN, ""), -2);
    EXPECT_EQ(text(), "keep");
    ASSERT_EQ(box.shown.size(), 2u);
    EXPECT_EQ(box.shown[0].text, illegal(-1, 4));
    EXPECT_EQ(box.shown[1].text, illegal(INT32_MIN, 1));
}

TEST_P(FixedWriterTest, AMissingTextIsRefused) {
    prime("keep");
    EXPECT_EQ(write(0, nullptr), -2);
    EXPECT_EQ(text(), "keep");
    ASSERT_EQ(box.shown.size(), 1u);
    EXPECT_EQ(box.shown[0].text,
              "Lottavo Internal ERROR: RandomizeC::" + std::string(GetParam().name) +
                  "().\nBad start index=[0] or string pointer=[(nil)]" + kStatusMinus2);
}

TEST_P(FixedWriterTest, ASuccessLeavesTheLastStatusAsItWas) {
    write(-1, "x");
    ASSERT_EQ(engine.getStatus(), -2);
    EXPECT_EQ(write(0, "fine"), 0);
    EXPECT_EQ(engine.getStatus(), -2);
}

TEST_P(FixedWriterTest, ATextTakenFromTheBufferItselfIsCopiedWhole) {
    prime("abcdef");
    EXPECT_EQ(write(3, (engine.*GetParam().read)()), 0);
    EXPECT_EQ(text(), "abcabcdef");
    EXPECT_EQ(write(0, (engine.*GetParam().read)() + 2), 0);
    EXPECT_EQ(text(), "cabcdef");
}

INSTANTIATE_TEST_SUITE_P(
    Buffers, FixedWriterTest,
    ::testing::Values(
        FixedWriter{"setOutBuf", &RandomizeC::setOutBuf, &RandomizeC::getOutBuf, 1800},
        FixedWriter{"setOutTitleBuf", &RandomizeC::setOutTitleBuf, &RandomizeC::getOutTitleBuf, 64},
        FixedWriter{"setPasswStr", &RandomizeC::setPasswStr, &RandomizeC::getPasswStr, 200}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(WritersTest, TheSeedTextTakesFourteenCharacters) {
    EXPECT_EQ(engine.setUSeedStr("12345678901234"), 0);
    EXPECT_STREQ(engine.getUSeedStr(), "12345678901234");
    EXPECT_EQ(engine.setUSeedStr("7"), 0);
    EXPECT_STREQ(engine.getUSeedStr(), "7");
}

TEST_F(WritersTest, ALongerSeedTextIsRefused) {
    engine.setUSeedStr("42");
    EXPECT_EQ(engine.setUSeedStr("123456789012345"), -2);
    EXPECT_EQ(engine.getStatus(), -2);
    EXPECT_STREQ(engine.getUSeedStr(), "42");
    ASSERT_EQ(box.shown.size(), 1u);
    EXPECT_EQ(box.shown[0].text,
              "Lottavo Internal ERROR: RandomizeC::setUSeedStr().\nCan't copy string of length 16 "
              "into array of length 15" +
                  kStatusMinus2);
}

TEST_F(WritersTest, AMissingSeedTextIsRefused) {
    engine.setUSeedStr("42");
    EXPECT_EQ(engine.setUSeedStr(nullptr), -2);
    EXPECT_STREQ(engine.getUSeedStr(), "42");
    ASSERT_EQ(box.shown.size(), 1u);
    EXPECT_EQ(box.shown[0].text,
              "Lottavo Internal ERROR: RandomizeC::setUSeedStr().\nBad start index=[0] or string "
              "pointer=[(nil)]" +
                  kStatusMinus2);
}

TEST_F(WritersTest, TheCumulativeTextIsWrittenLikeTheBuffers) {
    EXPECT_EQ(engine.setTextPtr(0, "abc"), 0);
    EXPECT_EQ(engine.setTextPtr(3, "def"), 0);
    EXPECT_STREQ(engine.getTextPtr(), "abcdef");
    EXPECT_EQ(engine.setTextPtr(2, ""), 0);
    EXPECT_STREQ(engine.getTextPtr(), "ab");
}

TEST_F(WritersTest, TheCumulativeTextRefusesANegativeStartOrAMissingText) {
    const char* text = "abc";
    EXPECT_EQ(engine.setTextPtr(-1, text), -2);
    EXPECT_EQ(engine.setTextPtr(0, nullptr), -2);
    EXPECT_EQ(engine.getTextPtr(), kRemnant);
    EXPECT_EQ(engine.getStatus(), -2);
    ASSERT_EQ(box.shown.size(), 2u);
    char address[32];
    std::snprintf(address, sizeof address, "%p", static_cast<const void*>(text));
    EXPECT_EQ(box.shown[0].text,
              "Lottavo Internal ERROR: RandomizeC::setTextPtr().\nBad start index=[-1] or string "
              "pointer=[" +
                  std::string(address) + "]" + kStatusMinus2);
    EXPECT_EQ(box.shown[1].text,
              "Lottavo Internal ERROR: RandomizeC::setTextPtr().\nBad start index=[0] or string "
              "pointer=[(nil)]" +
                  kStatusMinus2);
}

// The block is only as large as the last sizing made it: a text running past it is refused
// instead of written beyond the block.
TEST_F(WritersTest, TheCumulativeTextRefusesToRunPastItsBlock) {
    const std::string fills(127, 'f');
    EXPECT_EQ(engine.setTextPtr(0, fills.c_str()), 0);
    EXPECT_EQ(engine.setTextPtr(127, "g"), -2);
    EXPECT_EQ(engine.getTextPtr(), fills);
    ASSERT_EQ(box.shown.size(), 1u);
    EXPECT_EQ(box.shown[0].text,
              "Lottavo Internal ERROR: RandomizeC::setTextPtr().\nIllegal start index=127 for "
              "string length 2 into array of length 128" +
                  kStatusMinus2);

    EXPECT_EQ(engine.sizTextPtr(129), 0);
    EXPECT_EQ(engine.setTextPtr(127, "g"), 0);
    EXPECT_EQ(engine.getTextPtr(), fills + "g");
}

TEST_F(WritersTest, ResizingKeepsTheText) {
    EXPECT_EQ(engine.sizTextPtr(4000), 0);
    EXPECT_EQ(engine.getStatus(), 0);
    EXPECT_EQ(engine.getTextPtr(), kRemnant);
    const std::string longer(3999, 'L');
    EXPECT_EQ(engine.setTextPtr(0, longer.c_str()), 0);
    EXPECT_EQ(engine.getTextPtr(), longer);
}

TEST_F(WritersTest, ShrinkingBelowTheTextCutsItAndKeepsItTerminated) {
    EXPECT_EQ(engine.sizTextPtr(10), 0);
    EXPECT_EQ(engine.getTextPtr(), kRemnant.substr(0, 9));
    EXPECT_EQ(engine.setTextPtr(9, "x"), -2);
}

TEST_F(WritersTest, ASizeOfZeroStillHoldsTheEmptyText) {
    EXPECT_EQ(engine.sizTextPtr(0), 0);
    EXPECT_STREQ(engine.getTextPtr(), "");
    EXPECT_EQ(engine.setTextPtr(0, ""), 0);
    EXPECT_EQ(engine.setTextPtr(0, "x"), -2);
}

TEST_F(WritersTest, AFailedResizeIsReportedAndKeepsTheOldBlock) {
    memory.limit = 1000;
    EXPECT_EQ(engine.sizTextPtr(5000), -1);
    EXPECT_EQ(engine.getStatus(), -1);
    EXPECT_EQ(engine.getTextPtr(), kRemnant);
    ASSERT_EQ(box.shown.size(), 1u);
    EXPECT_EQ(box.shown[0].text,
              "RandomizeC::sizTextPtr:  Can't realloc\n5000 byte TextBufPtr for text window.\n"
              "\n   -----> Status = -1 *****\n");
    EXPECT_EQ(engine.setTextPtr(0, std::string(127, 'k').c_str()), 0);  // the old block stays
    EXPECT_EQ(engine.sizTextPtr(500), 0);
    EXPECT_EQ(engine.getStatus(), 0);
}

}  // namespace
}  // namespace lottavo
