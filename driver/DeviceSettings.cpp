#include "driver/DeviceSettings.h"

#include "driver/OpenError.h"

#include <charconv>
#include <string_view>

DeviceSettings readDeviceSettings(const char* device, const char* seed) {
    DeviceSettings settings;

    std::string_view deviceText = device ? device : "";
    constexpr std::string_view filePrefix = "sim:";
    if (deviceText.starts_with(filePrefix)) {
        std::string_view path = deviceText.substr(filePrefix.size());
        if (path.empty()) {
            throw OpenError("DVBTDLL_DEVICE=sim: names no channel file");
        }
        settings.channelFile = std::string(path);
    } else if (deviceText.starts_with('/')) {
        // Any absolute path, so that the links that udev rules make to a frontend serve as well.
        settings.frontendPath = std::string(deviceText);
    } else if (!deviceText.empty() && deviceText != "sim") {
        throw OpenError("DVBTDLL_DEVICE=" + std::string(deviceText) +
                        " is not known; use sim, sim:FILE or the path of a DVB frontend such as "
                        "/dev/dvb/adapter0/frontend0");
    }

    std::string_view seedText = seed ? seed : "";
    if (!seedText.empty()) {
        std::uint64_t value = 0;
        auto [end, error] =
            std::from_chars(seedText.data(), seedText.data() + seedText.size(), value);
        if (error != std::errc{} || end != seedText.data() + seedText.size()) {
            throw OpenError("DVBTDLL_SIM_SEED=" + std::string(seedText) + " is not a whole number");
        }
        settings.noiseSeed = value;
    }
    return settings;
}
