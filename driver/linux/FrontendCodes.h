#pragma once

#include "driver/DvbtParameters.h"

#include <cstdint>

// Translations between the values of the kernel's DVB API (<linux/dvb/frontend.h>) and the codes
// of the driver library's operations. The kernel's lists serve every delivery system, so values
// of other systems sit among the DVB-T ones (QAM_32 between QAM_16 and QAM_64, FEC_4_5 between
// FEC_3_4 and FEC_5_6) and the two numberings agree only in places: every value is translated by
// name.

// What a translation to a TPS code gives for AUTO and for any value that DVB-T does not signal.
inline constexpr std::int32_t noTpsCode = -1;

std::int32_t tpsTransmissionMode(std::uint32_t kernelMode);
std::int32_t tpsGuardInterval(std::uint32_t kernelGuardInterval);
std::int32_t tpsConstellation(std::uint32_t kernelModulation);
std::int32_t tpsHierarchy(std::uint32_t kernelHierarchy);
std::int32_t tpsCodeRate(std::uint32_t kernelCodeRate);

// DTV_INVERSION as DVBT_GetChannelParams reports it: 0 off, 1 on, 2 anything else, AUTO included.
std::int32_t inversionCode(std::uint32_t kernelInversion);

// DTV_BANDWIDTH_HZ for a channel bandwidth.
std::uint32_t bandwidthHz(Bandwidth bandwidth);
