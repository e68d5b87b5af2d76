#pragma once

#include "driver/DvbtParameters.h"

#include <cstdint>
#include <optional>

// The bandwidth codes of DVBT_SetChannelParams and DVBT_GetChannelParams: 0 for 8 MHz, 1 for
// 7 MHz, 2 for 6 MHz.

std::optional<Bandwidth> bandwidthFromCode(std::int32_t code);

std::int32_t codeOfBandwidth(Bandwidth bandwidth);
