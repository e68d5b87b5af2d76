#include "bench/program/ProcessCpu.h"

#include <sys/resource.h>
#include <thread>

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

double cpuShareWhileLeftAlone(std::chrono::seconds length) {
    auto cpuBefore = processCpuTime();
    auto wallBefore = std::chrono::steady_clock::now();
    std::this_thread::sleep_for(length);
    auto cpuAfter = processCpuTime();
    auto wallAfter = std::chrono::steady_clock::now();
    return 100.0 * std::chrono::duration<double>(cpuAfter - cpuBefore).count() /
           std::chrono::duration<double>(wallAfter - wallBefore).count();
}

} // namespace bench
