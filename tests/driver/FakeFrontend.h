#pragma once

#include "driver/linux/FrontendCalls.h"

#include <linux/dvb/frontend.h>

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// The settings of one FE_SET_PROPERTY: each command with its value, in order.
using PropertyList = std::vector<std::pair<std::uint32_t, std::uint32_t>>;

// A Linux DVB frontend as the library reaches it through open, ioctl and close. The test sets
// what it answers. Like the kernel, it keeps the property values that it is given and answers
// FE_GET_PROPERTY with them; it also records every FE_SET_PROPERTY.
class FakeFrontend final : public FrontendCalls {
public:
    // The errno value (the kernel's ENOTSUPP) with which the kernel refuses a request that the
    // frontend's driver does not implement.
    static constexpr int notSupported = 524;

    int open(const std::string& path, int flags, int& descriptor) override;
    int ioctl(int descriptor, unsigned long request, void* argument) override;
    void close(int descriptor) override;

    // From now on every request fails as it does for a device that has gone away.
    void unplug() { unplugged = true; }

    // What the frontend answers.
    int openError = 0;
    std::vector<std::uint8_t> deliverySystems{SYS_DVBT};
    std::uint32_t minimumHz = 174'000'000;
    std::uint32_t maximumHz = 862'000'000;
    std::uint32_t status = 0;
    std::map<std::uint32_t, std::uint32_t> values;
    // Statistics not listed here have no values (length 0).
    std::map<std::uint32_t, dtv_fe_stats> statistics;
    // Empty: the request fails with notSupported.
    std::optional<std::uint16_t> snr;
    std::optional<std::uint32_t> ber;
    // Errors for a request, and for any property request that names a command.
    std::map<unsigned long, int> requestErrors;
    std::map<std::uint32_t, int> propertyErrors;

    // What it was asked.
    std::string openedPath;
    int openFlags = 0;
    bool isOpen = false;
    int closes = 0;
    std::vector<PropertyList> settings;
    int requestsAfterUnplug = 0;

private:
    int setProperties(const dtv_properties& list);
    int getProperties(dtv_properties& list);

    bool unplugged = false;
};

// A statistic with one value on `scale`.
dtv_fe_stats statistic(fecap_scale_params scale, std::int64_t value = 0);
