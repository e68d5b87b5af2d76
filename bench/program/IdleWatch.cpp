#include "bench/program/Measurements.h"
#include "bench/program/ProcessCpu.h"
#include "ui/ResourceIds.h"

#include <cstdio>
#include <string>
#include <thread>

using namespace std::chrono_literals;

namespace bench {

void measureIdleWatch(RealTimePanel& panel, Report& report, std::chrono::seconds length) {
    // The watch polls only after a lock on the real channel with Periodic Check ticked.
    panel.setText(control::frequencyBox, std::to_string(lockingChannelKHz));
    panel.clickAndWait(control::periodicCheckBox);
    clearSteps();
    auto locked = panel.redrawWhere(
        [&panel] { return lockedStepSeen() && panel.enabledHere(control::tuningButton); });
    panel.click(control::tuningButton);
    if (locked.wait_for(20s) != std::future_status::ready) {
        giveUp("for the run that arms the link watch");
    }
    panel.waitIdle();
    if (panel.text(control::statusField) != "Locking in Real Ch...") {
        giveUp("for a lock on the real channel");
    }

    std::this_thread::sleep_for(500ms);
    clearSteps();
    double share = cpuShareWhileLeftAlone(length);
    auto polls = stepsSoFar().size();

    report.limited("CPU of an idle panel, watch polling", share, 0.2, "%", "of one core");
    char line[120];
    std::snprintf(line, sizeof line, "%zu watch polls in %lld s", polls,
                  static_cast<long long>(length.count()));
    report.note(line);
    panel.clickAndWait(control::periodicCheckBox);
}

} // namespace bench
