#include "driver/BandwidthCode.h"

std::optional<Bandwidth> bandwidthFromCode(std::int32_t code) {
    switch (code) {
    case 0:
        return Bandwidth::Mhz8;
    case 1:
        return Bandwidth::Mhz7;
    case 2:
        return Bandwidth::Mhz6;
    default:
        return std::nullopt;
    }
}

std::int32_t codeOfBandwidth(Bandwidth bandwidth) {
    switch (bandwidth) {
    case Bandwidth::Mhz8:
        return 0;
    case Bandwidth::Mhz7:
        return 1;
    case Bandwidth::Mhz6:
        break;
    }
    return 2;
}
