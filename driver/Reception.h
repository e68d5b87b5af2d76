#pragma once

#include "driver/Transmitter.h"

#include <cstdint>

// A signal that reaches the demodulator through the tuner, strong enough to lock on.
struct Reception {
    const Transmitter* transmitter = nullptr;
    // C/N at the demodulator, after the tuner's image rejection where it came through the image.
    double cnrDb = 0.0;
    // C/N above the transmission's quasi error free threshold.
    double marginDb = 0.0;
    // Whether the demodulator sees the spectrum inverted.
    bool invertedSpectrum = true;
    // The carrier offset as the driver reads it: the lock lies at the tuned frequency plus this.
    std::int64_t offsetHz = 0;
    // How much of the capture range the carrier loop has to pull in (0 to 1).
    double offsetShare = 0.0;
};
