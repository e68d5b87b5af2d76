#include "driver/Tuner.h"

#include "driver/QefThreshold.h"

#include <cstdlib>

namespace tuner {

namespace {

std::optional<Reception> receiveAt(const Transmitter& transmitter, std::int64_t lookingAtHz,
                                   bool throughImage) {
    std::int64_t displacementHz = transmitter.frequencyHz + transmitter.offsetHz - lookingAtHz;
    if (std::llabs(displacementHz) > captureRangeHz) {
        return std::nullopt;
    }
    Reception reception;
    reception.transmitter = &transmitter;
    reception.cnrDb = transmitter.cnrDb - (throughImage ? imageRejectionDb : 0.0);
    reception.marginDb =
        reception.cnrDb -
        qefThresholdDb(transmitter.constellation, transmitter.hierarchy, transmitter.codeRateHp);
    // The mixer turns the wanted signal over and leaves the image as it is.
    reception.invertedSpectrum = throughImage == transmitter.invertedSpectrum;
    // The driver converts the offset that the demodulator measures at the intermediate frequency
    // as if the signal were the wanted one, so an image's offset comes out mirrored.
    reception.offsetHz = throughImage ? -displacementHz : displacementHz;
    reception.offsetShare =
        static_cast<double>(std::llabs(displacementHz)) / static_cast<double>(captureRangeHz);
    if (reception.marginDb < lockMarginDb) {
        return std::nullopt;
    }
    return reception;
}

} // namespace

bool covers(std::int32_t frequencyKHz) {
    return frequencyKHz >= lowestKHz && frequencyKHz <= highestKHz;
}

std::optional<Reception> receive(const std::vector<Transmitter>& transmitters,
                                 std::int32_t frequencyKHz, Bandwidth bandwidth) {
    std::int64_t tunedHz = std::int64_t{frequencyKHz} * 1000;
    std::int64_t imageHz = tunedHz + 2 * intermediateFrequencyHz;
    std::optional<Reception> strongest;
    for (const Transmitter& transmitter : transmitters) {
        if (transmitter.bandwidth != bandwidth) {
            continue;
        }
        for (bool throughImage : {false, true}) {
            auto candidate = receiveAt(transmitter, throughImage ? imageHz : tunedHz, throughImage);
            if (candidate && (!strongest || candidate->cnrDb > strongest->cnrDb)) {
                strongest = candidate;
            }
        }
    }
    return strongest;
}

} // namespace tuner
