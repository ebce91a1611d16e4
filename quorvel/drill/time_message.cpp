#include "time_message.h"

#include <cmath>

namespace quorvel {
namespace {

constexpr double kOneSecond = 1.0 / kSecondsPerDay;

std::string Counted(int count, const char* singular, const char* plural) {
    return std::to_string(count) + " " + (count == 1 ? singular : plural);
}

}  // namespace

double DayFraction(int millisecondsSinceMidnight) {
    return millisecondsSinceMidnight / (kSecondsPerDay * 1000.0);
}

float MeasureElapsed(float startTime, double now) {
    double elapsed = now - static_cast<double>(startTime);
    if (elapsed < 0.0) elapsed = elapsed > -kOneSecond ? 0.0 : elapsed + 1.0;
    return static_cast<float>(elapsed);
}

MinutesAndSeconds ReadAsClock(float elapsed) {
    // Cutting the fraction off would lose a second whenever the start time's single precision
    // rounded it up, so the count is rounded.
    long long withinHour = std::llround(static_cast<double>(elapsed) * kSecondsPerDay) % 3600;
    if (withinHour < 0) withinHour += 3600;
    return {static_cast<int>(withinHour / 60), static_cast<int>(withinHour % 60)};
}

std::string ComposeTimeMessage(float elapsed) {
    const MinutesAndSeconds time = ReadAsClock(elapsed);
    return "It took you " + Counted(time.minutes, "minute", "minutes") + " and " +
           Counted(time.seconds, "second", "seconds") +
           "\r\nto complete your multiplication table.";
}

}  // namespace quorvel
