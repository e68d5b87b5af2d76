#pragma once

#include "driver/DvbtParameters.h"

#include <chrono>

// What the length of an acquisition depends on.
struct AcquisitionConditions {
    TransmissionMode mode = TransmissionMode::Mode8K;
    GuardInterval guard = GuardInterval::Guard1_4;
    Bandwidth bandwidth = Bandwidth::Mhz8;
    // C/N above the quasi error free threshold; negative when below it.
    double marginDb = 0.0;
    // The carrier offset to pull in, as a share of the capture range (0 to 1).
    double offsetShare = 0.0;
};

// How long the demodulator takes from a (re)start to lock: gain settling, carrier and timing
// recovery, mode and guard detection, TPS synchronisation and FEC lock. TPS synchronisation waits
// for the start of the next TPS frame and then reads two whole frames, so `startSinceFrameEpoch`
// (the start, measured from a moment when a TPS frame began) matters too.
std::chrono::microseconds lockDelay(const AcquisitionConditions& conditions,
                                    std::chrono::microseconds startSinceFrameEpoch);
