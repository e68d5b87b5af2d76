#include "tests/support/ScriptedDriver.h"

#include "driver/DVBTDLL.h"
#include "tests/support/Watchdog.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace harness {

std::ostream& operator<<(std::ostream& out, const DriverCall& call) {
    out << call.name << "(";
    for (size_t i = 0; i < call.arguments.size(); ++i) {
        out << (i > 0 ? ", " : "") << call.arguments[i];
    }
    return out << ")";
}

ScriptedDriver& ScriptedDriver::instance() {
    static ScriptedDriver driver;
    return driver;
}

void ScriptedDriver::reset() {
    std::lock_guard lock(mutex_);
    script_ = DriverScript{};
    calls_.clear();
    stepsSinceTuning_ = 0;
    heldStep_ = 0;
    inHeldStep_ = false;
    released_ = false;
}

void ScriptedDriver::configure(const std::function<void(DriverScript&)>& change) {
    std::lock_guard lock(mutex_);
    change(script_);
}

DriverScript ScriptedDriver::script() {
    std::lock_guard lock(mutex_);
    return script_;
}

std::vector<DriverCall> ScriptedDriver::calls() {
    std::lock_guard lock(mutex_);
    return calls_;
}

std::vector<DriverCall> ScriptedDriver::callsBesidesSteps() {
    auto all = calls();
    std::erase_if(all, [](const DriverCall& c) { return c.name == "DVBT_AcquisitionTask"; });
    return all;
}

int ScriptedDriver::count(const std::string& name) {
    std::lock_guard lock(mutex_);
    return static_cast<int>(std::count_if(calls_.begin(), calls_.end(), [&](const DriverCall& c) { return c.name == name; }));
}

void ScriptedDriver::holdStep(int step) {
    std::lock_guard lock(mutex_);
    heldStep_ = step;
    released_ = false;
}

void ScriptedDriver::waitUntilHeld() {
    std::unique_lock lock(mutex_);
    if (!changed_.wait_for(lock, testTimeLimit(), [this] { return inHeldStep_; })) {
        std::fprintf(stderr, "scripted driver: the held step was never reached\n");
        std::abort();
    }
}

void ScriptedDriver::releaseStep() {
    std::lock_guard lock(mutex_);
    released_ = true;
    changed_.notify_all();
}

void ScriptedDriver::record(std::string name, std::vector<std::int64_t> arguments) {
    std::lock_guard lock(mutex_);
    calls_.push_back({std::move(name), std::move(arguments)});
}

std::int32_t ScriptedDriver::acquisitionStep() {
    std::unique_lock lock(mutex_);
    calls_.push_back({"DVBT_AcquisitionTask", {}});
    if (!script_.stepAnswers.empty()) {
        std::int32_t answer = script_.stepAnswers.front();
        script_.stepAnswers.pop_front();
        return answer;
    }
    int step = ++stepsSinceTuning_;
    if (step == heldStep_) {
        inHeldStep_ = true;
        changed_.notify_all();
        changed_.wait(lock, [this] { return released_; });
        inHeldStep_ = false;
    }
    return script_.lockAtStep != 0 && step >= script_.lockAtStep ? 1 : 0;
}

std::int32_t ScriptedDriver::tune(std::int32_t frequency) {
    std::lock_guard lock(mutex_);
    calls_.push_back({"DVBT_SetTuningValue", {frequency}});
    stepsSinceTuning_ = 0;
    return script_.tuningResult(frequency);
}

} // namespace harness

using harness::ScriptedDriver;

namespace {
ScriptedDriver& driver() { return ScriptedDriver::instance(); }
} // namespace

extern "C" {

int32_t DVBT_INIT_IO(void) {
    driver().record("DVBT_INIT_IO", {});
    return driver().script().initResult;
}

int32_t DVBT_FREE_IO(void) {
    driver().record("DVBT_FREE_IO", {});
    return 1;
}

int32_t DVBT_SetChannelParams(int32_t first, int32_t second, int32_t bandwidthCode, int32_t inversion) {
    driver().record("DVBT_SetChannelParams", {first, second, bandwidthCode, inversion});
    return 1;
}

int32_t DVBT_SetTuningValue(int32_t frequencyKHz) { return driver().tune(frequencyKHz); }

int32_t DVBT_AcquisitionTask(void) { return driver().acquisitionStep(); }

int32_t DVBT_GetChannelParams(int32_t* first, int32_t* second, int32_t* bandwidthCode, int32_t* spectrumInversion) {
    driver().record("DVBT_GetChannelParams", {*first, *second, *bandwidthCode, *spectrumInversion});
    auto script = driver().script();
    if (script.writesInversion) {
        *spectrumInversion = script.inversion;
    }
    return 1;
}

int32_t DVBT_GetOfdmParams(int32_t* transmissionMode, int32_t* guardInterval, int32_t* constellation,
                           int32_t* hierarchy, int32_t* priority, int32_t* codeRate) {
    driver().record("DVBT_GetOfdmParams", {});
    const auto ofdm = driver().script().ofdm;
    *transmissionMode = ofdm[0];
    *guardInterval = ofdm[1];
    *constellation = ofdm[2];
    *hierarchy = ofdm[3];
    *priority = ofdm[4];
    *codeRate = ofdm[5];
    return 1;
}

int32_t DVBT_GetSN(uint16_t* tenthsOfDb, uint16_t* reserved) {
    driver().record("DVBT_GetSN", {});
    auto script = driver().script();
    if (script.writesSignalToNoise) {
        *tenthsOfDb = script.signalToNoise;
        *reserved = 0;
    }
    return 1;
}

int32_t DVBT_GetBer(uint32_t* beforeViterbi, uint32_t* afterViterbi, uint32_t* reserved) {
    driver().record("DVBT_GetBer", {});
    auto script = driver().script();
    if (script.writesErrorRates) {
        *beforeViterbi = script.preViterbi;
        *afterViterbi = script.postViterbi;
        *reserved = 0;
    }
    return 1;
}

int32_t DVBT_ResetTuner(void) {
    driver().record("DVBT_ResetTuner", {});
    return 1;
}

int32_t DVBT_GetLastLockFrequency(void) {
    driver().record("DVBT_GetLastLockFrequency", {});
    return driver().script().lastLockFrequency;
}

} // extern "C"
