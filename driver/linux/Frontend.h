#pragma once

#include "driver/linux/FrontendCalls.h"

#include <linux/dvb/frontend.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// One DVBv5 property for FE_SET_PROPERTY or FE_GET_PROPERTY: a command with its value, or with
// zero where the kernel is to fill the value in.
dtv_property frontendProperty(std::uint32_t command, std::uint32_t value = 0);

// A Linux DVB frontend opened read-write, with the requests that the library makes on it. Each
// request returns 0 or the errno value of its failure.
//
// A device that goes away while open (unplugged, its driver unloaded) is closed by the first
// request that finds it gone; every later request fails with ENODEV without reaching the kernel,
// so the library's operations turn into "no lock", refusals and zeros.
class Frontend {
public:
    // Opens the device at `path`. Throws OpenError, saying why, when it cannot.
    Frontend(std::shared_ptr<FrontendCalls> calls, const std::string& path);
    ~Frontend();

    Frontend(const Frontend&) = delete;
    Frontend& operator=(const Frontend&) = delete;

    bool gone() const { return descriptor < 0; }

    int getInfo(dvb_frontend_info& info);
    int setProperties(std::vector<dtv_property>& properties);
    int getProperties(std::vector<dtv_property>& properties);
    int readStatus(std::uint32_t& status);
    int readSnr(std::uint16_t& snr);
    int readBer(std::uint32_t& ber);

private:
    int request(unsigned long request, void* argument);
    int propertyRequest(unsigned long request, std::vector<dtv_property>& properties);

    std::shared_ptr<FrontendCalls> calls;
    // -1 once the device has gone away.
    int descriptor = -1;
};
