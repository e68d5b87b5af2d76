#include "driver/SteadyClock.h"

std::chrono::microseconds SteadyClock::now() const {
    return std::chrono::duration_cast<std::chrono::microseconds>(
        std::chrono::steady_clock::now().time_since_epoch());
}
