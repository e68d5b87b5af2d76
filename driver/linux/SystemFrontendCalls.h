#pragma once

#include "driver/linux/FrontendCalls.h"

// The frontend calls of the running kernel.
class SystemFrontendCalls final : public FrontendCalls {
public:
    int open(const std::string& path, int flags, int& descriptor) override;
    int ioctl(int descriptor, unsigned long request, void* argument) override;
    void close(int descriptor) override;
};
