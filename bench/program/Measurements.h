#pragma once
// The whole-program figures, each measured on a panel that is open and idle, on the real
// simulated card. Each leaves the panel idle again.

#include "bench/program/RealTimePanel.h"
#include "bench/program/Report.h"

#include <chrono>
#include <random>

namespace bench {

// A frequency in the tuner's range with no transmitter on it, directly or through the image:
// the card accepts it and never locks.
constexpr int emptyChannelKHz = 800'000;
// The panel's own default, a transmitter that locks on the real channel at 6 MHz.
constexpr int lockingChannelKHz = 593'000;

// Ten seconds of a run that does not lock: the worker's cadence and the process's CPU share.
void measureRunWithoutLock(RealTimePanel& panel, Report& report, std::chrono::seconds length);
// From an Abort click, at a random moment of the worker's cycle, to the aborted status drawn.
void measureAbortLatency(RealTimePanel& panel, Report& report, int samples, std::mt19937& random);
// From the acquisition step that locks to the results drawn, less the pause before read-back.
void measureLockToDisplay(RealTimePanel& panel, Report& report, int samples);
// Ten seconds of an idle panel whose link watch polls the card every second.
void measureIdleWatch(RealTimePanel& panel, Report& report, std::chrono::seconds length);

} // namespace bench
