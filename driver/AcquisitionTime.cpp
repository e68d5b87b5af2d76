#include "driver/AcquisitionTime.h"

#include "driver/OfdmTiming.h"

#include <algorithm>
#include <cmath>

using namespace std::chrono_literals;

namespace {

// Close to the threshold every averaging stage needs more symbols and more retries; far above it
// the stages run at their shortest.
double weakSignalStretch(double marginDb) {
    double weakness = std::clamp((6.0 - marginDb) / 9.0, 0.0, 1.0);
    return 1.0 + 0.35 * weakness;
}

} // namespace

std::chrono::microseconds lockDelay(const AcquisitionConditions& conditions,
                                    std::chrono::microseconds startSinceFrameEpoch) {
    Microseconds symbol = symbolDuration(conditions.mode, conditions.guard, conditions.bandwidth);
    Microseconds frame = tpsFrameDuration(conditions.mode, conditions.guard, conditions.bandwidth);
    double stretch = weakSignalStretch(conditions.marginDb);

    Microseconds gainSettling = 40ms;
    Microseconds carrierAndTiming = 50ms + 60ms * std::clamp(conditions.offsetShare, 0.0, 1.0);
    Microseconds modeAndGuard = 48 * symbol;
    Microseconds beforeTps = stretch * (gainSettling + carrierAndTiming + modeAndGuard);

    Microseconds tpsSearchStart = Microseconds(startSinceFrameEpoch) + beforeTps;
    double intoFrame = std::fmod(tpsSearchStart.count(), frame.count());
    if (intoFrame < 0.0) {
        intoFrame += frame.count();
    }
    Microseconds untilNextFrame = intoFrame > 0.0 ? frame - Microseconds(intoFrame) : 0us;
    Microseconds tpsSync = untilNextFrame + 2 * frame;

    Microseconds fecLock = stretch * (40ms + 32 * symbol);

    Microseconds total = beforeTps + tpsSync + fecLock;
    return std::chrono::ceil<std::chrono::microseconds>(total);
}
