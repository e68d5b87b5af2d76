#include "driver/Fade.h"

using std::chrono::microseconds;

bool Fade::isLost(microseconds sinceOpen) const {
    if (!fades() || sinceOpen.count() < 0) {
        return false;
    }
    microseconds intoPeriod = sinceOpen % microseconds(period);
    return intoPeriod >= microseconds(period - length);
}

std::optional<microseconds> Fade::lastReturn(microseconds sinceOpen) const {
    if (!fades() || sinceOpen < microseconds(period)) {
        return std::nullopt;
    }
    // Each fade ends exactly where its period ends.
    return sinceOpen - sinceOpen % microseconds(period);
}
