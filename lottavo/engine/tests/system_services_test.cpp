#include "system_services.h"

#include <gtest/gtest.h>

#include <cstring>
#include <ctime>

namespace lottavo {
namespace {

TEST(LocalClockTest, ReadsTheTimeWithMilliseconds) {
    LocalClockC clock;
    const std::time_t before = std::time(nullptr);
    const ClockReadingC reading = clock.now();
    const std::time_t after = std::time(nullptr);
    EXPECT_GE(reading.seconds, before);
    EXPECT_LE(reading.seconds, after);
    EXPECT_LT(reading.millis, 1000);
    EXPECT_TRUE(reading.dstFlag == 0 || reading.dstFlag == 1);
}

TEST(LocalClockTest, MillisecondsFollowTheClock) {
    // Over a run of readings the milliseconds must change: a clock stuck at one value would
    // take the clock out of every list.
    LocalClockC clock;
    const ClockReadingC first = clock.now();
    bool changed = false;
    for (int k = 0; k < 10'000'000 && !changed; ++k) {
        const ClockReadingC later = clock.now();
        changed = later.millis != first.millis || later.seconds != first.seconds;
    }
    EXPECT_TRUE(changed);
}

TEST(HeapMemoryTest, ResizeKeepsTheContent) {
    HeapMemoryC memory;
    char* block = static_cast<char*>(memory.resize(nullptr, 8));
    ASSERT_NE(block, nullptr);
    std::memcpy(block, "abcdefg", 8);
    block = static_cast<char*>(memory.resize(block, 4096));
    ASSERT_NE(block, nullptr);
    EXPECT_STREQ(block, "abcdefg");
    block[4095] = 'z';
    memory.release(block);
}

TEST(StderrMsgBoxTest, WritesCaptionAndTextAndAnswersOk) {
    StderrMsgBoxC box;
    ::testing::internal::CaptureStderr();
    const int32_t button = box.show(nullptr, "line 1\nline 2", "Lottavo ERROR", kBoxIconStop);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "[Lottavo ERROR]\nline 1\nline 2\n");
    EXPECT_EQ(button, kButtonOk);
}

TEST(StdExitDeathTest, EndsWithTheStatusAsExitCode) {
    StdExitC programExit;
    EXPECT_EXIT(programExit.end(-7), ::testing::ExitedWithCode(249), "");
    EXPECT_EXIT(programExit.end(3), ::testing::ExitedWithCode(3), "");
}

}  // namespace
}  // namespace lottavo
