#pragma once

#include "driver/DvbtParameters.h"
#include "driver/Fade.h"

#include <cstdint>
#include <string>

// One DVB-T multiplex on the air around the simulated card.
struct Transmitter {
    std::string name;
    // The nominal centre frequency, on the channel raster.
    std::int64_t frequencyHz = 0;
    Bandwidth bandwidth = Bandwidth::Mhz8;
    TransmissionMode mode = TransmissionMode::Mode8K;
    GuardInterval guard = GuardInterval::Guard1_4;
    Constellation constellation = Constellation::Qam64;
    Hierarchy hierarchy = Hierarchy::None;
    CodeRate codeRateHp = CodeRate::Rate2_3;
    // Only hierarchical transmissions carry a low-priority stream; the card never decodes it.
    CodeRate codeRateLp = CodeRate::Rate2_3;
    // Broadcast spectra are upright; a transmitter that radiates an inverted one looks upright to
    // this card, whose tuner inverts the wanted signal.
    bool invertedSpectrum = false;
    // Carrier-to-noise ratio at the card's input.
    double cnrDb = 25.0;
    // How far the carrier really sits from the nominal frequency.
    std::int64_t offsetHz = 0;
    Fade fade{};
};
