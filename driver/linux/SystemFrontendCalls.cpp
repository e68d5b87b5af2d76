#include "driver/linux/SystemFrontendCalls.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <unistd.h>

// A signal that arrives while the kernel waits for the frontend's semaphore interrupts the call
// before it has done anything, so it is simply made again.

int SystemFrontendCalls::open(const std::string& path, int flags, int& descriptor) {
    int result;
    do {
        result = ::open(path.c_str(), flags);
    } while (result < 0 && errno == EINTR);
    if (result < 0) {
        return errno;
    }
    descriptor = result;
    return 0;
}

int SystemFrontendCalls::ioctl(int descriptor, unsigned long request, void* argument) {
    int result;
    do {
        result = ::ioctl(descriptor, request, argument);
    } while (result < 0 && errno == EINTR);
    return result < 0 ? errno : 0;
}

void SystemFrontendCalls::close(int descriptor) {
    // The descriptor is released even when close reports an error, so it is never retried.
    ::close(descriptor);
}
