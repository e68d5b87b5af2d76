#include "driver/linux/FrontendCodes.h"

#include <linux/dvb/frontend.h>

namespace {

template <typename TpsValue> std::int32_t code(TpsValue value) {
    return static_cast<std::int32_t>(value);
}

} // namespace

std::int32_t tpsTransmissionMode(std::uint32_t kernelMode) {
    switch (kernelMode) {
    case TRANSMISSION_MODE_2K:
        return code(TransmissionMode::Mode2K);
    case TRANSMISSION_MODE_8K:
        return code(TransmissionMode::Mode8K);
    default:
        return noTpsCode;
    }
}

std::int32_t tpsGuardInterval(std::uint32_t kernelGuardInterval) {
    switch (kernelGuardInterval) {
    case GUARD_INTERVAL_1_32:
        return code(GuardInterval::Guard1_32);
    case GUARD_INTERVAL_1_16:
        return code(GuardInterval::Guard1_16);
    case GUARD_INTERVAL_1_8:
        return code(GuardInterval::Guard1_8);
    case GUARD_INTERVAL_1_4:
        return code(GuardInterval::Guard1_4);
    default:
        return noTpsCode;
    }
}

std::int32_t tpsConstellation(std::uint32_t kernelModulation) {
    switch (kernelModulation) {
    case QPSK:
        return code(Constellation::Qpsk);
    case QAM_16:
        return code(Constellation::Qam16);
    case QAM_64:
        return code(Constellation::Qam64);
    default:
        return noTpsCode;
    }
}

std::int32_t tpsHierarchy(std::uint32_t kernelHierarchy) {
    switch (kernelHierarchy) {
    case HIERARCHY_NONE:
        return code(Hierarchy::None);
    case HIERARCHY_1:
        return code(Hierarchy::Alpha1);
    case HIERARCHY_2:
        return code(Hierarchy::Alpha2);
    case HIERARCHY_4:
        return code(Hierarchy::Alpha4);
    default:
        return noTpsCode;
    }
}

std::int32_t tpsCodeRate(std::uint32_t kernelCodeRate) {
    switch (kernelCodeRate) {
    case FEC_1_2:
        return code(CodeRate::Rate1_2);
    case FEC_2_3:
        return code(CodeRate::Rate2_3);
    case FEC_3_4:
        return code(CodeRate::Rate3_4);
    case FEC_5_6:
        return code(CodeRate::Rate5_6);
    case FEC_7_8:
        return code(CodeRate::Rate7_8);
    default:
        return noTpsCode;
    }
}

std::int32_t inversionCode(std::uint32_t kernelInversion) {
    switch (kernelInversion) {
    case INVERSION_OFF:
        return 0;
    case INVERSION_ON:
        return 1;
    default:
        return 2;
    }
}

std::uint32_t bandwidthHz(Bandwidth bandwidth) {
    switch (bandwidth) {
    case Bandwidth::Mhz6:
        return 6'000'000;
    case Bandwidth::Mhz7:
        return 7'000'000;
    case Bandwidth::Mhz8:
        break;
    }
    return 8'000'000;
}
