#pragma once

#include "driver/Clock.h"
#include "driver/MeasurementNoise.h"
#include "driver/Receiver.h"
#include "driver/Reception.h"
#include "driver/Transmitter.h"

#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

// A DVB-T receiver card in front of a set of transmitters. The demodulator acquires in real time
// on its own, as hardware does; every operation samples its state against the clock, so nothing
// here waits and nothing runs between calls.
class SimulatedReceiver final : public Receiver {
public:
    // The card counts time, and so the transmitters' fades, from its construction.
    SimulatedReceiver(std::vector<Transmitter> transmitters, std::shared_ptr<const Clock> clock,
                      std::uint64_t noiseSeed);

    // A copy would point into its original's transmitter list.
    SimulatedReceiver(const SimulatedReceiver&) = delete;
    SimulatedReceiver& operator=(const SimulatedReceiver&) = delete;

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
    struct Lock {
        std::int32_t frequencyKHz = 0;
        OfdmCodes codes;
    };

    std::chrono::microseconds sinceOpen() const;
    void restartAcquisition();
    // Samples the demodulator and, when it is locked, keeps what the lock found.
    bool sampleLock();
    double measuredCnrDb();

    std::vector<Transmitter> transmitters;
    std::shared_ptr<const Clock> clock;
    MeasurementNoise noise;
    std::chrono::microseconds openedAt;

    std::int32_t firstChannelParam = 0;
    std::int32_t secondChannelParam = 0;
    Bandwidth bandwidth = Bandwidth::Mhz8;
    std::optional<std::int32_t> tunedKHz;
    std::optional<Reception> reception;
    std::chrono::microseconds restartedAt{0};
    std::optional<Lock> lastLock;
};
