#include "system_clock.h"

#include <QTime>

#include "time_message.h"

namespace quorvel {

double SystemClock::Now() const {
    return DayFraction(QTime::currentTime().msecsSinceStartOfDay());
}

}  // namespace quorvel
