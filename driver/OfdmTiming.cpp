#include "driver/OfdmTiming.h"

namespace {

// The elementary period of the OFDM signal is 7/64 us in an 8 MHz channel; narrower channels
// stretch it in proportion.
double elementaryPeriodUs(Bandwidth bandwidth) {
    switch (bandwidth) {
    case Bandwidth::Mhz6:
        return 7.0 / 48.0;
    case Bandwidth::Mhz7:
        return 1.0 / 8.0;
    case Bandwidth::Mhz8:
        break;
    }
    return 7.0 / 64.0;
}

double guardFraction(GuardInterval guard) {
    switch (guard) {
    case GuardInterval::Guard1_32:
        return 1.0 / 32.0;
    case GuardInterval::Guard1_16:
        return 1.0 / 16.0;
    case GuardInterval::Guard1_8:
        return 1.0 / 8.0;
    case GuardInterval::Guard1_4:
        break;
    }
    return 1.0 / 4.0;
}

constexpr int symbolsPerTpsFrame = 68;

} // namespace

Microseconds symbolDuration(TransmissionMode mode, GuardInterval guard, Bandwidth bandwidth) {
    double fftSize = mode == TransmissionMode::Mode2K ? 2048.0 : 8192.0;
    double usefulPart = fftSize * elementaryPeriodUs(bandwidth);
    return Microseconds(usefulPart * (1.0 + guardFraction(guard)));
}

Microseconds tpsFrameDuration(TransmissionMode mode, GuardInterval guard, Bandwidth bandwidth) {
    return symbolsPerTpsFrame * symbolDuration(mode, guard, bandwidth);
}
