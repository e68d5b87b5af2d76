#pragma once
// The processor time that the whole process has used, every thread counted, user and system.

#include <chrono>

namespace bench {

std::chrono::microseconds processCpuTime();

} // namespace bench
