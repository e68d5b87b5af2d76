// Whole-program figures of the tuning panel on the simulated card, in real time: the acquisition
// worker's cadence, the reaction to Abort, the time from a lock to its results on screen, and the
// processor time used while a run waits and while the panel idles.

#include "bench/program/Measurements.h"
#include "bench/program/Report.h"

#include <cstdio>
#include <cstdlib>

using namespace std::chrono_literals;

int main() {
    // The simulated card on its built-in transmitters, with repeatable measurement noise.
    unsetenv("DVBTDLL_DEVICE");
    setenv("DVBTDLL_SIM_SEED", "1", 1);
    constexpr unsigned seed = 1;
    std::mt19937 random(seed);

    bench::Report report;
    {
        bench::RealTimePanel panel;
        bench::measureRunWithoutLock(panel, report, 10s);
        bench::measureAbortLatency(panel, report, 100, random);
        bench::measureLockToDisplay(panel, report, 100);
        bench::measureIdleWatch(panel, report, 10s);
    }
    if (!report.allMet()) {
        std::printf("%d figure(s) missed their limit\n", report.missed());
        return 1;
    }
    std::printf("every figure within its limit\n");
    return 0;
}
