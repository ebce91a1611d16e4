#pragma once

namespace quorvel {

// The time of day, read when a run starts and when its result is shown.
class TimeOfDayClock {
public:
    virtual ~TimeOfDayClock() = default;

    // Now, as a fraction of a day: 0 at midnight, below 1.
    virtual double Now() const = 0;
};

}  // namespace quorvel
