#include "driver/linux/Frontend.h"

#include "driver/OpenError.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <system_error>
#include <utility>

namespace {

std::string openFailure(int error) {
    switch (error) {
    case ENOENT:
    case ENOTDIR:
    case ENODEV:
    case ENXIO:
        return "no such device";
    case EACCES:
    case EPERM:
        return "permission denied; the user needs read and write access to the device, typically "
               "as a member of the video group";
    case EBUSY:
        return "device busy; another program holds the frontend";
    default:
        return "cannot be opened: " + std::generic_category().message(error);
    }
}

// The errors with which the kernel, or a USB driver below it, answers for a device that is no
// longer there. Any other error leaves the device in use: it may pass, as a failed bus
// transfer does.
bool deviceGone(int error) {
    return error == ENODEV || error == ENXIO || error == ESHUTDOWN;
}

} // namespace

dtv_property frontendProperty(std::uint32_t command, std::uint32_t value) {
    dtv_property property{};
    property.cmd = command;
    property.u.data = value;
    return property;
}

Frontend::Frontend(std::shared_ptr<FrontendCalls> calls, const std::string& path)
    : calls(std::move(calls)) {
    // Without O_NONBLOCK the kernel may wait, on adapters whose frontends share one tuner, until
    // another program lets go; the library reports the frontend busy instead.
    int error = this->calls->open(path, O_RDWR | O_NONBLOCK | O_CLOEXEC, descriptor);
    if (error != 0) {
        descriptor = -1;
        throw OpenError(openFailure(error));
    }
}

Frontend::~Frontend() {
    if (descriptor >= 0) {
        calls->close(descriptor);
    }
}

int Frontend::getInfo(dvb_frontend_info& info) {
    return request(FE_GET_INFO, &info);
}

int Frontend::setProperties(std::vector<dtv_property>& properties) {
    return propertyRequest(FE_SET_PROPERTY, properties);
}

int Frontend::getProperties(std::vector<dtv_property>& properties) {
    return propertyRequest(FE_GET_PROPERTY, properties);
}

int Frontend::readStatus(std::uint32_t& status) {
    fe_status_t bits{};
    int error = request(FE_READ_STATUS, &bits);
    status = error == 0 ? static_cast<std::uint32_t>(bits) : 0;
    return error;
}

int Frontend::readSnr(std::uint16_t& snr) {
    return request(FE_READ_SNR, &snr);
}

int Frontend::readBer(std::uint32_t& ber) {
    return request(FE_READ_BER, &ber);
}

int Frontend::propertyRequest(unsigned long request, std::vector<dtv_property>& properties) {
    dtv_properties list{};
    list.num = static_cast<std::uint32_t>(properties.size());
    list.props = properties.data();
    return this->request(request, &list);
}

int Frontend::request(unsigned long request, void* argument) {
    if (descriptor < 0) {
        return ENODEV;
    }
    int error = calls->ioctl(descriptor, request, argument);
    if (deviceGone(error)) {
        calls->close(descriptor);
        descriptor = -1;
    }
    return error;
}
