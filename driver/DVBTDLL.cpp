#include "driver/DVBTDLL.h"

#include "driver/Driver.h"

namespace {

template <typename Value> void store(Value* output, Value value) {
    if (output) {
        *output = value;
    }
}

Driver& card() {
    return Driver::instance();
}

} // namespace

// Outputs start from zero, which is what a call on a closed card leaves in them.

int32_t DVBT_INIT_IO(void) {
    return card().open() ? 1 : 0;
}

int32_t DVBT_FREE_IO(void) {
    return card().close() ? 1 : 0;
}

int32_t DVBT_SetChannelParams(int32_t first, int32_t second, int32_t bandwidthCode,
                              int32_t inversion) {
    bool open = card().withReceiver([&](Receiver& receiver) {
        receiver.setChannelParams(first, second, bandwidthCode, inversion);
    });
    return open ? 1 : 0;
}

int32_t DVBT_SetTuningValue(int32_t frequencyKHz) {
    bool accepted = false;
    card().withReceiver(
        [&](Receiver& receiver) { accepted = receiver.setFrequency(frequencyKHz); });
    return accepted ? 1 : 0;
}

int32_t DVBT_AcquisitionTask(void) {
    bool locked = false;
    card().withReceiver([&](Receiver& receiver) { locked = receiver.acquisitionStep(); });
    return locked ? 1 : 0;
}

int32_t DVBT_GetChannelParams(int32_t* first, int32_t* second, int32_t* bandwidthCode,
                              int32_t* spectrumInversion) {
    Receiver::ChannelParams params{};
    bool open = card().withReceiver([&](Receiver& receiver) { params = receiver.channelParams(); });
    store(first, params.first);
    store(second, params.second);
    store(bandwidthCode, params.bandwidthCode);
    store(spectrumInversion, params.spectrumInversion);
    return open ? 1 : 0;
}

int32_t DVBT_GetOfdmParams(int32_t* transmissionMode, int32_t* guardInterval,
                           int32_t* constellation, int32_t* hierarchy, int32_t* priority,
                           int32_t* codeRate) {
    Receiver::OfdmCodes codes{0, 0, 0, 0, 0, 0};
    bool open = card().withReceiver([&](Receiver& receiver) { codes = receiver.ofdmCodes(); });
    store(transmissionMode, codes.transmissionMode);
    store(guardInterval, codes.guardInterval);
    store(constellation, codes.constellation);
    store(hierarchy, codes.hierarchy);
    store(priority, codes.priority);
    store(codeRate, codes.codeRate);
    return open ? 1 : 0;
}

int32_t DVBT_GetSN(uint16_t* tenthsOfDb, uint16_t* reserved) {
    Receiver::SignalToNoise signalToNoise{};
    bool open =
        card().withReceiver([&](Receiver& receiver) { signalToNoise = receiver.signalToNoise(); });
    store(tenthsOfDb, signalToNoise.tenthsOfDb);
    store(reserved, signalToNoise.reserved);
    return open ? 1 : 0;
}

int32_t DVBT_GetBer(uint32_t* beforeViterbi, uint32_t* afterViterbi, uint32_t* reserved) {
    Receiver::ErrorRates rates{};
    bool open = card().withReceiver([&](Receiver& receiver) { rates = receiver.errorRates(); });
    store(beforeViterbi, rates.beforeViterbi);
    store(afterViterbi, rates.afterViterbi);
    store(reserved, rates.reserved);
    return open ? 1 : 0;
}

int32_t DVBT_ResetTuner(void) {
    return card().withReceiver([](Receiver& receiver) { receiver.resetTuner(); }) ? 1 : 0;
}

int32_t DVBT_GetLastLockFrequency(void) {
    int32_t frequencyKHz = 0;
    card().withReceiver(
        [&](Receiver& receiver) { frequencyKHz = receiver.lastLockFrequencyKHz(); });
    return frequencyKHz;
}
