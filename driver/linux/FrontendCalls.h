#pragma once

#include <string>

// The system calls through which the library drives a Linux DVB frontend. They sit behind this
// interface so that tests can put a fake frontend where the kernel would be. Each returns 0 on
// success or the errno value of its failure, so that no caller depends on a global errno.
class FrontendCalls {
public:
    virtual ~FrontendCalls() = default;

    // open(2) with `flags`; on success `descriptor` holds the new descriptor.
    virtual int open(const std::string& path, int flags, int& descriptor) = 0;

    // ioctl(2) with one pointer argument, as every frontend request takes.
    virtual int ioctl(int descriptor, unsigned long request, void* argument) = 0;

    virtual void close(int descriptor) = 0;
};
