#include "bench/program/Measurements.h"
#include "bench/program/Statistics.h"
#include "ui/ResourceIds.h"

#include <cstdio>
#include <string>
#include <thread>
#include <vector>

using namespace std::chrono_literals;

namespace bench {

void measureAbortLatency(RealTimePanel& panel, Report& report, int samples, std::mt19937& random) {
    panel.setText(control::frequencyBox, std::to_string(emptyChannelKHz));
    // Abort comes 20 to 60 ms into the run, anywhere in the worker's 10 ms cycle.
    std::uniform_int_distribution<int> delayMicroseconds(20'000, 60'000);
    std::vector<double> latencies;
    for (int i = 0; i < samples; ++i) {
        panel.clickAndWait(control::tuningButton);
        std::this_thread::sleep_for(std::chrono::microseconds(delayMicroseconds(random)));
        auto aborted = panel.redrawWhere(
            [&panel] { return panel.textHere(control::statusField) == "Aborting...."; });
        auto clicked = panel.click(control::abortButton);
        if (aborted.wait_for(20s) != std::future_status::ready) {
            giveUp("for \"Aborting....\" after Abort");
        }
        latencies.push_back(
            std::chrono::duration<double, std::milli>(aborted.get() - clicked).count());
        panel.waitIdle();
    }
    Summary latency = summarize(latencies);
    report.limited("abort: mean latency", latency.mean, 12.0, "ms",
                   "one step + 10 ms, under 12 ms");
    report.limited("abort: 99th percentile latency", latency.p99, 12.0, "ms",
                   "one step + 10 ms, under 12 ms");
    char line[120];
    std::snprintf(line, sizeof line, "%d aborts; longest %.3f ms", latency.count, latency.max);
    report.note(line);
}

} // namespace bench
