#pragma once

#include "driver/Clock.h"

#include <atomic>
#include <cstdint>

// A clock that moves only when told to. Any thread may read or advance it.
class ManualClock final : public Clock {
public:
    std::chrono::microseconds now() const override;

    void advance(std::chrono::microseconds step);

private:
    std::atomic<std::int64_t> microsecondsNow{0};
};
