#pragma once
// Where the driver's codes and the panel's radio indices meet: they are different numbers and
// pass from one to the other only through these tables.

#include <cstdint>

// The panel's bandwidth index (0 "6Mhz", 1 "7Mhz", 2 "8Mhz") as the driver's bandwidth code:
// 2 for 6 MHz, 1 for 7 MHz, 0 for 8 MHz and for any other index.
std::int32_t bandwidthCode(std::int32_t bandwidth);

// The driver's spectrum-inversion code as the Mirror index: 0 (normal) gives 1 "Normal",
// 1 (inverted) gives 2 "Mirror", anything else 0 "Auto".
std::int32_t spectrumMirrorIndex(std::int32_t inversionCode);

// An OFDM code as the index of a radio group whose last button, at `autoIndex`, is "Auto":
// codes 0 to autoIndex - 1 select their own button, every other code selects "Auto".
std::int32_t ofdmIndex(std::int32_t code, std::int32_t autoIndex);

// The index of "Auto" in each OFDM group.
namespace autoIndex {
constexpr std::int32_t transmissionMode = 2;
constexpr std::int32_t guardInterval = 4;
constexpr std::int32_t constellation = 3;
constexpr std::int32_t hierarchy = 4;
constexpr std::int32_t priority = 2;
constexpr std::int32_t codeRate = 5;
} // namespace autoIndex
