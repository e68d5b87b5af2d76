#include "bench/program/Measurements.h"
#include "bench/program/ProcessCpu.h"
#include "bench/program/Statistics.h"
#include "ui/ResourceIds.h"

#include <cstdio>
#include <string>
#include <thread>
#include <vector>

using namespace std::chrono_literals;

namespace bench {
namespace {

double milliseconds(BenchClock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

// The worker pauses 10 ms after every step that does not lock, so each period between two step
// starts should be the pause plus the first step's own duration.
void reportCadence(const std::vector<TimedStep>& steps, Report& report) {
    if (steps.size() < 2) {
        giveUp("for the worker to make acquisition steps");
    }
    std::vector<double> periods;
    std::vector<double> stepDurations;
    for (std::size_t i = 0; i + 1 < steps.size(); ++i) {
        periods.push_back(milliseconds(steps[i + 1].start - steps[i].start));
        stepDurations.push_back(milliseconds(steps[i].end - steps[i].start));
    }
    Summary period = summarize(periods);
    Summary step = summarize(stepDurations);
    double expected = 10.0 + step.mean;
    report.limited("cadence: mean period", period.mean, expected + 0.3, "ms",
                   "10 ms + mean step + 0.3 ms");
    report.beside("cadence: 99th percentile period", period.p99, 10.0 + step.p99, "ms",
                  "10 ms + 99th percentile step");
    char line[160];
    std::snprintf(line, sizeof line,
                  "%d periods; step mean %.4f ms, longest %.4f ms; longest period %.3f ms",
                  period.count, step.mean, step.max, period.max);
    report.note(line);
}

} // namespace

void measureRunWithoutLock(RealTimePanel& panel, Report& report, std::chrono::seconds length) {
    panel.setText(control::frequencyBox, std::to_string(emptyChannelKHz));
    panel.clickAndWait(control::tuningButton);
    if (panel.enabled(control::tuningButton)) {
        giveUp("for a run to start on the empty channel");
    }
    // The first steps share the processor with the run's start; the steady state is measured.
    std::this_thread::sleep_for(500ms);
    clearSteps();
    double share = cpuShareWhileLeftAlone(length);
    auto steps = stepsSoFar();

    reportCadence(steps, report);
    report.limited("CPU while a run waits for a lock", share, 1.0, "%", "of one core");

    auto ended = panel.redrawWhere([&panel] { return panel.enabledHere(control::tuningButton); });
    panel.click(control::abortButton);
    if (ended.wait_for(20s) != std::future_status::ready) {
        giveUp("for the run to end after Abort");
    }
    panel.waitIdle();
}

} // namespace bench
