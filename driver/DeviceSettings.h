#pragma once

#include <cstdint>
#include <optional>
#include <string>

// What the library's environment asks DVBT_INIT_IO to open.
struct DeviceSettings {
    // The Linux DVB frontend to open, such as /dev/dvb/adapter0/frontend0; empty for the
    // simulated card.
    std::optional<std::string> frontendPath;
    // Empty for the simulated card's built-in transmitters.
    std::optional<std::string> channelFile;
    // Empty for a fresh seed at every opening.
    std::optional<std::uint64_t> noiseSeed;
};

// Reads the values of DVBTDLL_DEVICE and DVBTDLL_SIM_SEED, either null when unset. Throws
// OpenError for a value that cannot be honoured.
DeviceSettings readDeviceSettings(const char* device, const char* seed);
