#include "bench/program/TimedCard.h"

#include "driver/DVBTDLL.h"

#include <dlfcn.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <mutex>

namespace bench {
namespace {

// The library's operations, looked up once in the shared library that the build made.
struct Library {
    decltype(&DVBT_INIT_IO) initIo;
    decltype(&DVBT_FREE_IO) freeIo;
    decltype(&DVBT_SetChannelParams) setChannelParams;
    decltype(&DVBT_SetTuningValue) setTuningValue;
    decltype(&DVBT_AcquisitionTask) acquisitionTask;
    decltype(&DVBT_GetChannelParams) getChannelParams;
    decltype(&DVBT_GetOfdmParams) getOfdmParams;
    decltype(&DVBT_GetSN) getSn;
    decltype(&DVBT_GetBer) getBer;
    decltype(&DVBT_ResetTuner) resetTuner;
    decltype(&DVBT_GetLastLockFrequency) getLastLockFrequency;
};

template <typename Function> Function lookUp(void* handle, const char* name) {
    void* address = dlsym(handle, name);
    if (address == nullptr) {
        std::fprintf(stderr, "program_bench: %s is missing from the driver library\n", name);
        std::exit(2);
    }
    return reinterpret_cast<Function>(address);
}

const Library& library() {
    static const Library loaded = [] {
        // Loaded privately, so that its operations do not stand in for the ones defined here.
        void* handle = dlopen(SKARVEL_DVBTDLL_PATH, RTLD_NOW | RTLD_LOCAL);
        if (handle == nullptr) {
            std::fprintf(stderr, "program_bench: %s\n", dlerror());
            std::exit(2);
        }
        return Library{
            lookUp<decltype(&DVBT_INIT_IO)>(handle, "DVBT_INIT_IO"),
            lookUp<decltype(&DVBT_FREE_IO)>(handle, "DVBT_FREE_IO"),
            lookUp<decltype(&DVBT_SetChannelParams)>(handle, "DVBT_SetChannelParams"),
            lookUp<decltype(&DVBT_SetTuningValue)>(handle, "DVBT_SetTuningValue"),
            lookUp<decltype(&DVBT_AcquisitionTask)>(handle, "DVBT_AcquisitionTask"),
            lookUp<decltype(&DVBT_GetChannelParams)>(handle, "DVBT_GetChannelParams"),
            lookUp<decltype(&DVBT_GetOfdmParams)>(handle, "DVBT_GetOfdmParams"),
            lookUp<decltype(&DVBT_GetSN)>(handle, "DVBT_GetSN"),
            lookUp<decltype(&DVBT_GetBer)>(handle, "DVBT_GetBer"),
            lookUp<decltype(&DVBT_ResetTuner)>(handle, "DVBT_ResetTuner"),
            lookUp<decltype(&DVBT_GetLastLockFrequency)>(handle, "DVBT_GetLastLockFrequency"),
        };
    }();
    return loaded;
}

std::mutex stepsMutex;
std::vector<TimedStep> steps;

} // namespace

void clearSteps() {
    std::lock_guard lock(stepsMutex);
    steps.clear();
    // Room for minutes of polling, so that recording a step never waits for an allocation.
    steps.reserve(100'000);
}

std::vector<TimedStep> stepsSoFar() {
    std::lock_guard lock(stepsMutex);
    return steps;
}

bool lockedStepSeen() {
    std::lock_guard lock(stepsMutex);
    return std::any_of(steps.begin(), steps.end(), [](const TimedStep& s) { return s.locked; });
}

} // namespace bench

using bench::library;

int32_t DVBT_INIT_IO(void) {
    return library().initIo();
}

int32_t DVBT_FREE_IO(void) {
    return library().freeIo();
}

int32_t DVBT_SetChannelParams(int32_t first, int32_t second, int32_t bandwidthCode,
                              int32_t inversion) {
    return library().setChannelParams(first, second, bandwidthCode, inversion);
}

int32_t DVBT_SetTuningValue(int32_t frequencyKHz) {
    return library().setTuningValue(frequencyKHz);
}

int32_t DVBT_AcquisitionTask(void) {
    auto start = bench::BenchClock::now();
    int32_t result = library().acquisitionTask();
    auto end = bench::BenchClock::now();
    std::lock_guard lock(bench::stepsMutex);
    bench::steps.push_back({start, end, result == 1});
    return result;
}

int32_t DVBT_GetChannelParams(int32_t* first, int32_t* second, int32_t* bandwidthCode,
                              int32_t* spectrumInversion) {
    return library().getChannelParams(first, second, bandwidthCode, spectrumInversion);
}

int32_t DVBT_GetOfdmParams(int32_t* transmissionMode, int32_t* guardInterval,
                           int32_t* constellation, int32_t* hierarchy, int32_t* priority,
                           int32_t* codeRate) {
    return library().getOfdmParams(transmissionMode, guardInterval, constellation, hierarchy,
                                   priority, codeRate);
}

int32_t DVBT_GetSN(uint16_t* tenthsOfDb, uint16_t* reserved) {
    return library().getSn(tenthsOfDb, reserved);
}

int32_t DVBT_GetBer(uint32_t* beforeViterbi, uint32_t* afterViterbi, uint32_t* reserved) {
    return library().getBer(beforeViterbi, afterViterbi, reserved);
}

int32_t DVBT_ResetTuner(void) {
    return library().resetTuner();
}

int32_t DVBT_GetLastLockFrequency(void) {
    return library().getLastLockFrequency();
}
