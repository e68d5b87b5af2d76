#include "driver/SimulatedReceiver.h"

#include "driver/AcquisitionTime.h"
#include "driver/BandwidthCode.h"
#include "driver/ErrorRateModel.h"
#include "driver/QefThreshold.h"
#include "driver/Tuner.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

// The demodulator reports no inversion it has not found, with the code that the Linux DVB API
// uses for an automatic one.
constexpr std::int32_t inversionUnknown = 2;

// Without a lock the error counters see nothing but noise.
constexpr std::uint32_t unlockedErrorRate = 500'000;

// The spread of one C/N estimate: the demodulator averages its pilots over a short window only.
constexpr double cnrScatterDb = 0.2;

std::uint32_t toMillionths(double rate) {
    return static_cast<std::uint32_t>(std::lround(std::clamp(rate, 0.0, 1.0) * 1e6));
}

} // namespace

SimulatedReceiver::SimulatedReceiver(std::vector<Transmitter> transmitters,
                                     std::shared_ptr<const Clock> clock, std::uint64_t noiseSeed)
    : transmitters(std::move(transmitters)), clock(std::move(clock)), noise(noiseSeed),
      openedAt(this->clock->now()) {}

std::chrono::microseconds SimulatedReceiver::sinceOpen() const {
    return clock->now() - openedAt;
}

void SimulatedReceiver::setChannelParams(std::int32_t first, std::int32_t second,
                                         std::int32_t bandwidthCode, std::int32_t) {
    // The inversion argument changes nothing: the demodulator always finds the inversion itself.
    auto requested = bandwidthFromCode(bandwidthCode);
    if (!requested) {
        return;
    }
    firstChannelParam = first;
    secondChannelParam = second;
    bandwidth = *requested;
    restartAcquisition();
}

bool SimulatedReceiver::setFrequency(std::int32_t frequencyKHz) {
    if (!tuner::covers(frequencyKHz)) {
        return false;
    }
    tunedKHz = frequencyKHz;
    restartAcquisition();
    return true;
}

void SimulatedReceiver::resetTuner() {
    restartAcquisition();
}

void SimulatedReceiver::restartAcquisition() {
    restartedAt = sinceOpen();
    reception.reset();
    if (tunedKHz) {
        reception = tuner::receive(transmitters, *tunedKHz, bandwidth);
    }
}

bool SimulatedReceiver::sampleLock() {
    if (!reception) {
        return false;
    }
    const Transmitter& transmitter = *reception->transmitter;
    std::chrono::microseconds now = sinceOpen();
    if (transmitter.fade.isLost(now)) {
        return false;
    }
    // After a fade the demodulator starts over by itself, still set to the same channel.
    std::chrono::microseconds acquisitionStart = restartedAt;
    if (auto signalBack = transmitter.fade.lastReturn(now)) {
        acquisitionStart = std::max(acquisitionStart, *signalBack);
    }
    AcquisitionConditions conditions{transmitter.mode, transmitter.guard, transmitter.bandwidth,
                                     reception->marginDb, reception->offsetShare};
    if (now - acquisitionStart < lockDelay(conditions, acquisitionStart)) {
        return false;
    }

    Lock lock;
    lock.frequencyKHz =
        *tunedKHz +
        static_cast<std::int32_t>(std::llround(static_cast<double>(reception->offsetHz) / 1000.0));
    lock.codes.transmissionMode = static_cast<std::int32_t>(transmitter.mode);
    lock.codes.guardInterval = static_cast<std::int32_t>(transmitter.guard);
    lock.codes.constellation = static_cast<std::int32_t>(transmitter.constellation);
    lock.codes.hierarchy = static_cast<std::int32_t>(transmitter.hierarchy);
    // The card decodes the high-priority stream.
    lock.codes.priority = 0;
    lock.codes.codeRate = static_cast<std::int32_t>(transmitter.codeRateHp);
    lastLock = lock;
    return true;
}

double SimulatedReceiver::measuredCnrDb() {
    return reception->cnrDb + noise.gaussian(cnrScatterDb);
}

bool SimulatedReceiver::acquisitionStep() {
    return sampleLock();
}

Receiver::ChannelParams SimulatedReceiver::channelParams() {
    ChannelParams params;
    params.first = firstChannelParam;
    params.second = secondChannelParam;
    params.bandwidthCode = codeOfBandwidth(bandwidth);
    params.spectrumInversion = inversionUnknown;
    if (sampleLock()) {
        params.spectrumInversion = reception->invertedSpectrum ? 1 : 0;
    }
    return params;
}

Receiver::OfdmCodes SimulatedReceiver::ofdmCodes() {
    sampleLock();
    return lastLock ? lastLock->codes : OfdmCodes{};
}

Receiver::SignalToNoise SimulatedReceiver::signalToNoise() {
    SignalToNoise result;
    if (sampleLock()) {
        double tenths = std::round(measuredCnrDb() * 10.0);
        result.tenthsOfDb = static_cast<std::uint16_t>(std::clamp(tenths, 0.0, 65535.0));
    }
    return result;
}

Receiver::ErrorRates SimulatedReceiver::errorRates() {
    ErrorRates result;
    result.beforeViterbi = unlockedErrorRate;
    result.afterViterbi = unlockedErrorRate;
    if (sampleLock()) {
        const Transmitter& transmitter = *reception->transmitter;
        double cnrDb = measuredCnrDb();
        double marginDb = reception->marginDb + (cnrDb - reception->cnrDb);
        result.beforeViterbi =
            toMillionths(preViterbiBer(transmitter.constellation, transmitter.hierarchy, cnrDb));
        result.afterViterbi = toMillionths(postViterbiBer(marginDb));
    }
    return result;
}

std::int32_t SimulatedReceiver::lastLockFrequencyKHz() {
    sampleLock();
    return lastLock ? lastLock->frequencyKHz : 0;
}
