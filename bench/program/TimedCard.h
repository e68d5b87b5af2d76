#pragma once
// The driver library as the program binds it: the eleven operations here load the real
// libDVBTDLL.so with its simulated card and pass every call through, timing each acquisition
// step on the way. The benchmark links this in place of the library, so the program under
// measurement runs unchanged against the real card.

#include <chrono>
#include <vector>

namespace bench {

using BenchClock = std::chrono::steady_clock;

struct TimedStep {
    BenchClock::time_point start;
    BenchClock::time_point end;
    bool locked = false;
};

// Forgets the steps made so far.
void clearSteps();
// The steps made since the last clearSteps(), in the order they ended.
std::vector<TimedStep> stepsSoFar();
// Whether one of those steps found the lock.
bool lockedStepSeen();

} // namespace bench
