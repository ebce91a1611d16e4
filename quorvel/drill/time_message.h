#pragma once

#include <string>

namespace quorvel {

inline constexpr double kSecondsPerDay = 86400.0;

// A time of day as a fraction of a day, from the milliseconds since midnight.
double DayFraction(int millisecondsSinceMidnight);

// The length of a run started at `startTime` (held in single precision) and ending `now`, both
// times of day as fractions of a day, in single precision. A run that passes midnight reads
// the clock lower at its end than at its start and gets the missing day back; a difference
// below zero by less than a second comes from the rounding of the start time and is no time.
float MeasureElapsed(float startTime, double now);

// Minutes and seconds of a length read as a clock time (whole hours dropped), both from one
// count of whole seconds rounded to the nearest second.
struct MinutesAndSeconds {
    int minutes = 0;
    int seconds = 0;
    friend bool operator==(const MinutesAndSeconds&, const MinutesAndSeconds&) = default;
};
MinutesAndSeconds ReadAsClock(float elapsed);

// "It took you M minutes and S seconds" CR LF "to complete your multiplication table.", with
// the singular for exactly one.
std::string ComposeTimeMessage(float elapsed);

}  // namespace quorvel
