#pragma once

#include <cstdint>

// The transmission parameters of a DVB-T multiplex. Where a parameter travels in the TPS, the
// enumerator's value is the code that EN 300 744 gives it there, which is also the code that
// DVBT_GetOfdmParams hands to the program.

enum class Bandwidth { Mhz6, Mhz7, Mhz8 };

enum class TransmissionMode : std::int32_t { Mode2K = 0, Mode8K = 1 };

enum class GuardInterval : std::int32_t {
    Guard1_32 = 0,
    Guard1_16 = 1,
    Guard1_8 = 2,
    Guard1_4 = 3
};

enum class Constellation : std::int32_t { Qpsk = 0, Qam16 = 1, Qam64 = 2 };

enum class Hierarchy : std::int32_t { None = 0, Alpha1 = 1, Alpha2 = 2, Alpha4 = 3 };

enum class CodeRate : std::int32_t {
    Rate1_2 = 0,
    Rate2_3 = 1,
    Rate3_4 = 2,
    Rate5_6 = 3,
    Rate7_8 = 4
};
