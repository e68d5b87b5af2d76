#include "bench/program/Measurements.h"
#include "bench/program/Statistics.h"
#include "ui/ResourceIds.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

using namespace std::chrono_literals;

namespace bench {

void measureLockToDisplay(RealTimePanel& panel, Report& report, int samples) {
    panel.setText(control::frequencyBox, std::to_string(lockingChannelKHz));
    std::vector<double> beyondPause;
    for (int i = 0; i < samples; ++i) {
        clearSteps();
        // The results are on screen at the first redraw after the lock that shows the run over.
        auto shown = panel.redrawWhere(
            [&panel] { return lockedStepSeen() && panel.enabledHere(control::tuningButton); });
        panel.click(control::tuningButton);
        if (shown.wait_for(20s) != std::future_status::ready) {
            giveUp("for a lock on " + std::to_string(lockingChannelKHz) + " kHz to be shown");
        }
        auto drawn = shown.get();
        panel.waitIdle();
        if (panel.text(control::statusField) != "Locking in Real Ch...") {
            giveUp("for the run to lock on the real channel");
        }
        auto steps = stepsSoFar();
        auto lock =
            std::find_if(steps.begin(), steps.end(), [](const TimedStep& s) { return s.locked; });
        double sinceLock = std::chrono::duration<double, std::milli>(drawn - lock->end).count();
        beyondPause.push_back(sinceLock - 100.0);
    }
    Summary beyond = summarize(beyondPause);
    report.limited("lock to display: mean beyond 100 ms", beyond.mean, 2.0, "ms",
                   "beyond the pause");
    report.limited("lock to display: 99th pct beyond 100 ms", beyond.p99, 2.0, "ms",
                   "beyond the pause");
    char line[120];
    std::snprintf(line, sizeof line, "%d locks; longest %.3f ms beyond the pause", beyond.count,
                  beyond.max);
    report.note(line);
}

} // namespace bench
