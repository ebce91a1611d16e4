#include "time_message.h"

#include <gtest/gtest.h>

#include <string>

namespace quorvel {
namespace {

constexpr const char* kSecondLine = "\r\nto complete your multiplication table.";

// A time of day as the clock gives it.
double At(int hours, int minutes, int seconds, int milliseconds = 0) {
    return DayFraction(((hours * 60 + minutes) * 60 + seconds) * 1000 + milliseconds);
}

// The start time as the drill keeps it, in single precision.
float StartAt(int hours, int minutes, int seconds, int milliseconds = 0) {
    return static_cast<float>(At(hours, minutes, seconds, milliseconds));
}

struct Drill {
    const char* name;
    float start;
    double end;
    const char* firstLine;
};

class TimeMessageTest : public ::testing::TestWithParam<Drill> {};

TEST_P(TimeMessageTest, TellsTheMinutesAndSecondsOnTwoLines) {
    const Drill& drill = GetParam();
    EXPECT_EQ(ComposeTimeMessage(MeasureElapsed(drill.start, drill.end)),
              std::string(drill.firstLine) + kSecondLine);
}

INSTANTIATE_TEST_SUITE_P(
    Runs, TimeMessageTest,
    ::testing::Values(
        Drill{"TwoMinutesFive", StartAt(10, 0, 0), At(10, 2, 5),
              "It took you 2 minutes and 5 seconds"},
        Drill{"OneMinuteOne", StartAt(10, 0, 0), At(10, 1, 1), "It took you 1 minute and 1 second"},
        Drill{"UnderAMinute", StartAt(10, 0, 0), At(10, 0, 45),
              "It took you 0 minutes and 45 seconds"},
        Drill{"ExactlyAMinute", StartAt(10, 0, 0), At(10, 1, 0),
              "It took you 1 minute and 0 seconds"},
        Drill{"OverAnHour", StartAt(10, 0, 0), At(11, 3, 20),
              "It took you 3 minutes and 20 seconds"},
        Drill{"NoTime", StartAt(9, 30, 0), At(9, 30, 0), "It took you 0 minutes and 0 seconds"},
        Drill{"OneSecond", StartAt(9, 30, 0), At(9, 30, 1), "It took you 0 minutes and 1 second"},
        Drill{"LongestReadable", StartAt(9, 0, 0), At(9, 59, 59),
              "It took you 59 minutes and 59 seconds"},
        Drill{"WholeHour", StartAt(9, 0, 0), At(10, 0, 0), "It took you 0 minutes and 0 seconds"},
        // the start time rounded up by single precision: cut off, this would read 4 seconds
        Drill{"StartRoundedUp", StartAt(10, 0, 1), At(10, 2, 6),
              "It took you 2 minutes and 5 seconds"},
        Drill{"NearestSecondUp", StartAt(10, 0, 0), At(10, 0, 44, 600),
              "It took you 0 minutes and 45 seconds"},
        Drill{"NearestSecondDown", StartAt(10, 0, 0), At(10, 0, 44, 400),
              "It took you 0 minutes and 44 seconds"},
        Drill{"AcrossMidnight", StartAt(23, 59, 30), At(0, 1, 0),
              "It took you 1 minute and 30 seconds"},
        Drill{"AcrossMidnightOverAnHour", StartAt(23, 0, 0), At(0, 2, 3),
              "It took you 2 minutes and 3 seconds"},
        Drill{"EndingAtMidnight", StartAt(23, 58, 59), At(0, 0, 0),
              "It took you 1 minute and 1 second"},
        // the clock read in the same millisecond as the start rounded up: no time, not a day
        Drill{"StartRoundingBelowZero", StartAt(10, 0, 1), At(10, 0, 1),
              "It took you 0 minutes and 0 seconds"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TimeMessageTest, TheFixtureOfTheRoundedStartReallyFallsShortOfTheSecond) {
    // Without this the StartRoundedUp row would prove nothing about the rounding.
    const float elapsed = MeasureElapsed(StartAt(10, 0, 1), At(10, 2, 6));
    EXPECT_LT(static_cast<double>(elapsed) * kSecondsPerDay, 125.0);
    EXPECT_EQ(ReadAsClock(elapsed), (MinutesAndSeconds{2, 5}));
}

TEST(TimeMessageTest, EveryStartSecondOfTheDayReadsTheRunItself) {
    // Half of all start times round up in single precision; a run of 2:05 must read 2:05 from
    // each of them, including those whose run passes midnight.
    int misread = 0;
    for (int second = 0; second < 86400; ++second) {
        const float start = static_cast<float>(DayFraction(second * 1000));
        double end = DayFraction(((second + 125) % 86400) * 1000);
        if (ReadAsClock(MeasureElapsed(start, end)) != MinutesAndSeconds{2, 5}) ++misread;
    }
    EXPECT_EQ(misread, 0);
}

TEST(TimeMessageTest, ElapsedIsTheLengthOfTheRunAsAFractionOfADay) {
    EXPECT_NEAR(MeasureElapsed(StartAt(12, 0, 0), At(18, 0, 0)), 0.25, 1e-6);
    // across midnight: the day the clock lost is added back
    EXPECT_NEAR(MeasureElapsed(StartAt(18, 0, 0), At(6, 0, 0)), 0.5, 1e-6);
    EXPECT_EQ(MeasureElapsed(StartAt(10, 0, 1), At(10, 0, 1)), 0.0f);
    // a second below the start is no rounding: the run took all but a second of a day
    EXPECT_NEAR(MeasureElapsed(StartAt(10, 0, 2), At(10, 0, 0)) * kSecondsPerDay, 86398.0, 0.01);
}

TEST(TimeMessageTest, DayFractionCountsFromMidnight) {
    EXPECT_EQ(DayFraction(0), 0.0);
    EXPECT_EQ(DayFraction(12 * 3600 * 1000), 0.5);
    EXPECT_LT(DayFraction(86400 * 1000 - 1), 1.0);
}

TEST(TimeMessageTest, ClockReadingDropsWholeHours) {
    EXPECT_EQ(ReadAsClock(static_cast<float>((2 * 3600 + 61) / kSecondsPerDay)),
              (MinutesAndSeconds{1, 1}));
}

}  // namespace
}  // namespace quorvel
