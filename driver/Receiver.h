#pragma once

#include <cstdint>

// The receiver behind the driver library's operations, in the operations' own codes. The library
// serialises every call, so an implementation need not guard itself against other threads.
class Receiver {
public:
    // What DVBT_GetChannelParams reports.
    struct ChannelParams {
        std::int32_t first = 0;
        std::int32_t second = 0;
        std::int32_t bandwidthCode = 0;
        // 1: inverted, 0: upright, anything else: not known (no lock).
        std::int32_t spectrumInversion = 0;
    };

    // The six codes of DVBT_GetOfdmParams, in its order.
    struct OfdmCodes {
        std::int32_t transmissionMode = -1;
        std::int32_t guardInterval = -1;
        std::int32_t constellation = -1;
        std::int32_t hierarchy = -1;
        std::int32_t priority = -1;
        std::int32_t codeRate = -1;
    };

    // What DVBT_GetSN reports.
    struct SignalToNoise {
        std::uint16_t tenthsOfDb = 0;
        std::uint16_t reserved = 0;
    };

    // What DVBT_GetBer reports, in units of 1E-6.
    struct ErrorRates {
        std::uint32_t beforeViterbi = 0;
        std::uint32_t afterViterbi = 0;
        std::uint32_t reserved = 0;
    };

    virtual ~Receiver() = default;

    // Each of these three restarts acquisition from its first stage.
    virtual void setChannelParams(std::int32_t first, std::int32_t second,
                                  std::int32_t bandwidthCode, std::int32_t inversion) = 0;
    // Returns false, and changes nothing, for a frequency that the tuner cannot reach.
    virtual bool setFrequency(std::int32_t frequencyKHz) = 0;
    virtual void resetTuner() = 0;

    // One look at the demodulator: true when it is locked. It never waits.
    virtual bool acquisitionStep() = 0;

    virtual ChannelParams channelParams() = 0;
    virtual OfdmCodes ofdmCodes() = 0;
    virtual SignalToNoise signalToNoise() = 0;
    virtual ErrorRates errorRates() = 0;
    // 0 before the first lock.
    virtual std::int32_t lastLockFrequencyKHz() = 0;
};
