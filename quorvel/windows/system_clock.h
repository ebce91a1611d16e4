#pragma once

#include "time_of_day_clock.h"

namespace quorvel {

// The local time of day, to the millisecond.
class SystemClock : public TimeOfDayClock {
public:
    double Now() const override;
};

}  // namespace quorvel
