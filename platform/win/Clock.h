#pragma once
// The platform clock: the time that timers and message times follow. It is the machine's
// steady clock, unless a test has frozen it to move it on by hand, so that a timer falls due
// without anyone waiting for it.

#include <chrono>

namespace platform {

using SteadyClock = std::chrono::steady_clock;
using TimePoint = SteadyClock::time_point;

TimePoint now();

// True while a ManualTime exists: then platform time moves only when advance() is called.
bool timeIsManual();

// Freezes platform time for its lifetime. Moving time on wakes every waiting thread, so that
// timers which fall due are delivered at once.
class ManualTime {
public:
    ManualTime();
    ~ManualTime();
    ManualTime(const ManualTime&) = delete;
    ManualTime& operator=(const ManualTime&) = delete;

    void advance(std::chrono::milliseconds step);
};

} // namespace platform
