#pragma once

#include "driver/DvbtParameters.h"
#include "driver/Receiver.h"
#include "driver/linux/Frontend.h"
#include "driver/linux/FrontendStatistics.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

// A DVB-T receiver card that Linux drives, through its frontend device (/dev/dvb/adapterN/
// frontendM) and the kernel's DVB API. The kernel's frontend thread tunes and holds the lock on
// its own; each operation here makes one or two requests that the kernel answers at once, so none
// waits for a lock. What the frontend reports is passed on as it is; the program decides what it
// means.
class FrontendReceiver final : public Receiver {
public:
    // Opens the frontend at `path` and selects DVB-T on it. Throws OpenError, saying why, when
    // the device cannot be opened or offers no DVB-T.
    FrontendReceiver(std::shared_ptr<FrontendCalls> calls, const std::string& path);

    void setChannelParams(std::int32_t first, std::int32_t second, std::int32_t bandwidthCode,
                          std::int32_t inversion) override;
    bool setFrequency(std::int32_t frequencyKHz) override;
    void resetTuner() override;
    bool acquisitionStep() override;
    ChannelParams channelParams() override;
    OfdmCodes ofdmCodes() override;
    SignalToNoise signalToNoise() override;
    ErrorRates errorRates() override;
    std::int32_t lastLockFrequencyKHz() override;

private:
    void selectDvbt();
    bool tune(std::int32_t frequencyKHz);

    Frontend frontend;
    // The frontend's tuning range; 0 on a side where its driver sets no limit.
    std::uint32_t minimumHz = 0;
    std::uint32_t maximumHz = 0;

    std::int32_t firstChannelParam = 0;
    std::int32_t secondChannelParam = 0;
    Bandwidth bandwidth = Bandwidth::Mhz8;
    std::optional<std::int32_t> tunedKHz;
    std::int32_t lastLockKHz = 0;
    BitErrorRate beforeViterbi;
    BitErrorRate afterViterbi;
};
