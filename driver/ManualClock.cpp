#include "driver/ManualClock.h"

std::chrono::microseconds ManualClock::now() const {
    return std::chrono::microseconds(microsecondsNow.load());
}

void ManualClock::advance(std::chrono::microseconds step) {
    microsecondsNow += step.count();
}
