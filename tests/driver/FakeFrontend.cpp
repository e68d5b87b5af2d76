#include "tests/driver/FakeFrontend.h"

#include <cerrno>
#include <sys/ioctl.h>

namespace {

constexpr int fakeDescriptor = 7;

} // namespace

dtv_fe_stats statistic(fecap_scale_params scale, std::int64_t value) {
    dtv_fe_stats stats{};
    stats.len = 1;
    stats.stat[0].scale = scale;
    stats.stat[0].svalue = value;
    return stats;
}

int FakeFrontend::open(const std::string& path, int flags, int& descriptor) {
    openedPath = path;
    openFlags = flags;
    if (openError != 0) {
        return openError;
    }
    isOpen = true;
    descriptor = fakeDescriptor;
    return 0;
}

void FakeFrontend::close(int descriptor) {
    if (descriptor == fakeDescriptor) {
        isOpen = false;
        ++closes;
    }
}

int FakeFrontend::ioctl(int descriptor, unsigned long request, void* argument) {
    if (!isOpen || descriptor != fakeDescriptor) {
        return EBADF;
    }
    if (unplugged) {
        ++requestsAfterUnplug;
        return ENODEV;
    }
    if (auto error = requestErrors.find(request); error != requestErrors.end()) {
        return error->second;
    }
    switch (request) {
    case FE_GET_INFO: {
        auto* info = static_cast<dvb_frontend_info*>(argument);
        *info = dvb_frontend_info{};
        info->frequency_min = minimumHz;
        info->frequency_max = maximumHz;
        return 0;
    }
    case FE_SET_PROPERTY:
        return setProperties(*static_cast<dtv_properties*>(argument));
    case FE_GET_PROPERTY:
        return getProperties(*static_cast<dtv_properties*>(argument));
    case FE_READ_STATUS:
        *static_cast<fe_status_t*>(argument) = static_cast<fe_status_t>(status);
        return 0;
    case FE_READ_SNR:
        if (!snr) {
            return notSupported;
        }
        *static_cast<std::uint16_t*>(argument) = *snr;
        return 0;
    case FE_READ_BER:
        if (!ber) {
            return notSupported;
        }
        *static_cast<std::uint32_t*>(argument) = *ber;
        return 0;
    default:
        return ENOTTY;
    }
}

int FakeFrontend::setProperties(const dtv_properties& list) {
    PropertyList& recorded = settings.emplace_back();
    for (std::uint32_t i = 0; i < list.num; ++i) {
        std::uint32_t command = list.props[i].cmd;
        std::uint32_t value = list.props[i].u.data;
        recorded.emplace_back(command, value);
    }
    for (const auto& [command, value] : recorded) {
        if (auto error = propertyErrors.find(command); error != propertyErrors.end()) {
            return error->second;
        }
        values[command] = value;
    }
    return 0;
}

int FakeFrontend::getProperties(dtv_properties& list) {
    for (std::uint32_t i = 0; i < list.num; ++i) {
        dtv_property& property = list.props[i];
        if (auto error = propertyErrors.find(property.cmd); error != propertyErrors.end()) {
            return error->second;
        }
        if (property.cmd == DTV_ENUM_DELSYS) {
            property.u.buffer.len = static_cast<std::uint32_t>(deliverySystems.size());
            for (std::size_t k = 0; k < deliverySystems.size(); ++k) {
                property.u.buffer.data[k] = deliverySystems[k];
            }
        } else if (property.cmd >= DTV_STAT_SIGNAL_STRENGTH &&
                   property.cmd <= DTV_STAT_TOTAL_BLOCK_COUNT) {
            auto found = statistics.find(property.cmd);
            property.u.st = found != statistics.end() ? found->second : dtv_fe_stats{};
        } else {
            auto found = values.find(property.cmd);
            property.u.data = found != values.end() ? found->second : 0;
        }
    }
    return 0;
}
