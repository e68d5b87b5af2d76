#pragma once
// The processor time that the whole process has used, every thread counted, user and system.

#include <chrono>

namespace bench {

std::chrono::microseconds processCpuTime();

// Leaves the process alone for `length` of real time and gives the processor time it used
// meanwhile, as a percentage of one core.
double cpuShareWhileLeftAlone(std::chrono::seconds length);

} // namespace bench
