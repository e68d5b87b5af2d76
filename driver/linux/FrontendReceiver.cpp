#include "driver/linux/FrontendReceiver.h"

#include "driver/BandwidthCode.h"
#include "driver/OpenError.h"
#include "driver/linux/FrontendCodes.h"

#include <algorithm>
#include <system_error>
#include <utility>
#include <vector>

namespace {

std::int32_t roundedKHz(std::uint32_t hz) {
    return static_cast<std::int32_t>((std::int64_t{hz} + 500) / 1000);
}

} // namespace

FrontendReceiver::FrontendReceiver(std::shared_ptr<FrontendCalls> calls, const std::string& path)
    : frontend(std::move(calls), path) {
    selectDvbt();
    // The kernel gives the range in the unit of the selected delivery system, Hz for DVB-T, so
    // it is asked only now.
    dvb_frontend_info info{};
    if (int error = frontend.getInfo(info); error != 0) {
        throw OpenError("the tuning range cannot be read: " +
                        std::generic_category().message(error));
    }
    minimumHz = info.frequency_min;
    maximumHz = info.frequency_max;
}

void FrontendReceiver::selectDvbt() {
    std::vector<dtv_property> offered{frontendProperty(DTV_ENUM_DELSYS)};
    if (frontend.getProperties(offered) != 0) {
        throw OpenError("not a DVB frontend");
    }
    // A copy, as the kernel's packed structure gives the buffer no alignment to refer to.
    const auto systems = offered[0].u.buffer;
    const auto* end = systems.data + std::min<std::uint32_t>(systems.len, sizeof systems.data);
    if (std::find(systems.data, end, SYS_DVBT) == end) {
        throw OpenError("not a DVB-T frontend");
    }
    std::vector<dtv_property> selection{frontendProperty(DTV_DELIVERY_SYSTEM, SYS_DVBT)};
    if (int error = frontend.setProperties(selection); error != 0) {
        throw OpenError("DVB-T cannot be selected: " + std::generic_category().message(error));
    }
}

void FrontendReceiver::setChannelParams(std::int32_t first, std::int32_t second,
                                        std::int32_t bandwidthCode, std::int32_t) {
    // The inversion argument changes nothing: every tuning leaves the inversion to the
    // demodulator.
    auto requested = bandwidthFromCode(bandwidthCode);
    if (!requested) {
        return;
    }
    firstChannelParam = first;
    secondChannelParam = second;
    bandwidth = *requested;
    // The panel's bandwidth buttons expect the new bandwidth to take effect at once.
    if (tunedKHz) {
        tune(*tunedKHz);
    }
}

bool FrontendReceiver::setFrequency(std::int32_t frequencyKHz) {
    std::int64_t hz = std::int64_t{frequencyKHz} * 1000;
    bool inRange = hz > 0 && hz <= std::int64_t{UINT32_MAX} &&
                   (minimumHz == 0 || hz >= minimumHz) && (maximumHz == 0 || hz <= maximumHz);
    if (!inRange || !tune(frequencyKHz)) {
        return false;
    }
    tunedKHz = frequencyKHz;
    return true;
}

void FrontendReceiver::resetTuner() {
    if (tunedKHz) {
        tune(*tunedKHz);
    }
}

bool FrontendReceiver::tune(std::int32_t frequencyKHz) {
    // Everything that an earlier tuning or another program left in the kernel's settings is
    // cleared, and all that DVB-T can find for itself is left to the demodulator.
    std::vector<dtv_property> tuning{
        frontendProperty(DTV_CLEAR),
        frontendProperty(DTV_DELIVERY_SYSTEM, SYS_DVBT),
        frontendProperty(DTV_FREQUENCY, static_cast<std::uint32_t>(frequencyKHz) * 1000),
        frontendProperty(DTV_BANDWIDTH_HZ, bandwidthHz(bandwidth)),
        frontendProperty(DTV_MODULATION, QAM_AUTO),
        frontendProperty(DTV_TRANSMISSION_MODE, TRANSMISSION_MODE_AUTO),
        frontendProperty(DTV_GUARD_INTERVAL, GUARD_INTERVAL_AUTO),
        frontendProperty(DTV_HIERARCHY, HIERARCHY_AUTO),
        frontendProperty(DTV_CODE_RATE_HP, FEC_AUTO),
        frontendProperty(DTV_CODE_RATE_LP, FEC_AUTO),
        frontendProperty(DTV_INVERSION, INVERSION_AUTO),
        frontendProperty(DTV_TUNE),
    };
    return frontend.setProperties(tuning) == 0;
}

bool FrontendReceiver::acquisitionStep() {
    // A lock that this opening did not tune for (the frontend still holding an earlier
    // program's channel) is not reported.
    if (!tunedKHz) {
        return false;
    }
    std::uint32_t status = 0;
    if (frontend.readStatus(status) != 0 || (status & FE_HAS_LOCK) == 0) {
        return false;
    }
    std::vector<dtv_property> frequency{frontendProperty(DTV_FREQUENCY)};
    lastLockKHz =
        frontend.getProperties(frequency) == 0 ? roundedKHz(frequency[0].u.data) : *tunedKHz;
    return true;
}

Receiver::ChannelParams FrontendReceiver::channelParams() {
    ChannelParams params{firstChannelParam, secondChannelParam, codeOfBandwidth(bandwidth),
                         inversionCode(INVERSION_AUTO)};
    std::vector<dtv_property> inversion{frontendProperty(DTV_INVERSION)};
    if (frontend.getProperties(inversion) == 0) {
        params.spectrumInversion = inversionCode(inversion[0].u.data);
    }
    return params;
}

Receiver::OfdmCodes FrontendReceiver::ofdmCodes() {
    std::vector<dtv_property> ofdm{
        frontendProperty(DTV_TRANSMISSION_MODE), frontendProperty(DTV_GUARD_INTERVAL),
        frontendProperty(DTV_MODULATION),        frontendProperty(DTV_HIERARCHY),
        frontendProperty(DTV_CODE_RATE_HP),
    };
    if (frontend.getProperties(ofdm) != 0) {
        return OfdmCodes{};
    }
    // The kernel's frontends decode the high-priority stream, whose code rate is CODE_RATE_HP.
    constexpr std::int32_t highPriority = 0;
    return OfdmCodes{tpsTransmissionMode(ofdm[0].u.data),
                     tpsGuardInterval(ofdm[1].u.data),
                     tpsConstellation(ofdm[2].u.data),
                     tpsHierarchy(ofdm[3].u.data),
                     highPriority,
                     tpsCodeRate(ofdm[4].u.data)};
}

Receiver::SignalToNoise FrontendReceiver::signalToNoise() {
    std::vector<dtv_property> cnr{frontendProperty(DTV_STAT_CNR)};
    if (frontend.getProperties(cnr) == 0) {
        if (auto tenths = cnrTenthsOfDb(cnr[0].u.st)) {
            return SignalToNoise{*tenths, 0};
        }
    }
    // The older request gives the driver's own unit, which is all there is then.
    std::uint16_t snr = 0;
    if (frontend.readSnr(snr) == 0) {
        return SignalToNoise{snr, 0};
    }
    return SignalToNoise{};
}

Receiver::ErrorRates FrontendReceiver::errorRates() {
    std::vector<dtv_property> counters{
        frontendProperty(DTV_STAT_PRE_ERROR_BIT_COUNT),
        frontendProperty(DTV_STAT_PRE_TOTAL_BIT_COUNT),
        frontendProperty(DTV_STAT_POST_ERROR_BIT_COUNT),
        frontendProperty(DTV_STAT_POST_TOTAL_BIT_COUNT),
    };
    std::optional<BitCounts> before;
    std::optional<BitCounts> after;
    if (frontend.getProperties(counters) == 0) {
        before = bitCounts(counters[0].u.st, counters[1].u.st);
        after = bitCounts(counters[2].u.st, counters[3].u.st);
    }
    // A rate that the counters cannot give falls back to the older request, in the driver's own
    // unit.
    std::uint32_t fallback = 0;
    if ((!before || !after) && frontend.readBer(fallback) != 0) {
        fallback = 0;
    }
    return ErrorRates{before ? beforeViterbi.update(*before) : fallback,
                      after ? afterViterbi.update(*after) : fallback, 0};
}

std::int32_t FrontendReceiver::lastLockFrequencyKHz() {
    // A card that has gone away reports nothing, not even what it found before.
    return frontend.gone() ? 0 : lastLockKHz;
}
