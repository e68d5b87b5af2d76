#pragma once

#include <chrono>

// Where the simulated card reads the time. Tests drive their own clock so that acquisitions and
// fades take no real time.
class Clock {
public:
    virtual ~Clock() = default;

    // Time since an arbitrary fixed moment; it never runs backwards.
    virtual std::chrono::microseconds now() const = 0;
};
