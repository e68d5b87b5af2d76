#pragma once

#include "driver/Clock.h"

// The machine's monotonic clock, which the card uses outside tests.
class SteadyClock final : public Clock {
public:
    std::chrono::microseconds now() const override;
};
