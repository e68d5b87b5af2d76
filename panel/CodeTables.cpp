#include "panel/CodeTables.h"

std::int32_t bandwidthCode(std::int32_t bandwidth) {
    switch (bandwidth) {
    case 0: return 2;
    case 1: return 1;
    default: return 0;
    }
}

std::int32_t spectrumMirrorIndex(std::int32_t inversionCode) {
    switch (inversionCode) {
    case 0: return 1;
    case 1: return 2;
    default: return 0;
    }
}

std::int32_t ofdmIndex(std::int32_t code, std::int32_t autoIndex) {
    return code >= 0 && code < autoIndex ? code : autoIndex;
}
