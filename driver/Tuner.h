#pragma once

#include "driver/DvbtParameters.h"
#include "driver/Reception.h"
#include "driver/Transmitter.h"

#include <cstdint>
#include <optional>
#include <vector>

// The card's tuner: a superheterodyne whose local oscillator sits above the wanted signal, so
// the wanted signal reaches the demodulator with its spectrum inverted, and the image (twice the
// intermediate frequency above the tuned one) with its spectrum upright.
namespace tuner {

constexpr std::int32_t lowestKHz = 45'000;
constexpr std::int32_t highestKHz = 870'000;
constexpr std::int64_t intermediateFrequencyHz = 36'167'000;
constexpr double imageRejectionDb = 15.0;
// How far from the tuned frequency the demodulator's carrier loop can still pull a signal in.
constexpr std::int64_t captureRangeHz = 200'000;
// The demodulator holds a lock down to this far below the quasi error free threshold.
constexpr double lockMarginDb = -3.0;

bool covers(std::int32_t frequencyKHz);

// The strongest signal that the demodulator could lock on with the tuner at `frequencyKHz` and
// the channel filter set to `bandwidth`, directly or through the image.
std::optional<Reception> receive(const std::vector<Transmitter>& transmitters,
                                 std::int32_t frequencyKHz, Bandwidth bandwidth);

} // namespace tuner
