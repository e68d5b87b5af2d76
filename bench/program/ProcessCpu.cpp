#include "bench/program/ProcessCpu.h"

#include <sys/resource.h>

namespace bench {
namespace {

std::chrono::microseconds toMicroseconds(const timeval& time) {
    return std::chrono::seconds(time.tv_sec) + std::chrono::microseconds(time.tv_usec);
}

} // namespace

std::chrono::microseconds processCpuTime() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return toMicroseconds(usage.ru_utime) + toMicroseconds(usage.ru_stime);
}

} // namespace bench
