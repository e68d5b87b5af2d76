#pragma once
// A driver library for tests, in place of libDVBTDLL.so: each operation returns what the test
// scripted and is recorded with its arguments, so a test can assert the exact order of driver
// calls. Acquisition locks at a chosen step of each tuning, and a step can be held open so a
// test can act while the worker is inside it.

#include <array>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <ostream>
#include <string>
#include <vector>

namespace harness {

struct DriverCall {
    std::string name;
    std::vector<std::int64_t> arguments;
    bool operator==(const DriverCall&) const = default;
};
std::ostream& operator<<(std::ostream& out, const DriverCall& call);

struct DriverScript {
    std::int32_t initResult = 1;
    // The result of DVBT_SetTuningValue for a frequency.
    std::function<std::int32_t(std::int32_t)> tuningResult = [](std::int32_t) { return 1; };
    // The acquisition step, counted from 1 after each tuning, that first answers "locked";
    // 0 for never.
    int lockAtStep = 1;
    // When not empty, acquisition steps answer from here first (the link watch's ticks).
    std::deque<std::int32_t> stepAnswers;
    // Outputs of the read-back calls; an output marked unwritten is left as the caller set it.
    std::int32_t inversion = 1;
    bool writesInversion = true;
    std::array<std::int32_t, 6> ofdm{1, 2, 2, 0, 0, 1}; // 8K, 1/8, 64QAM, no hierarchy, HP, 2/3
    std::int32_t lastLockFrequency = 593000;
    std::uint16_t signalToNoise = 254;
    bool writesSignalToNoise = true;
    std::uint32_t preViterbi = 120;
    std::uint32_t postViterbi = 0;
    bool writesErrorRates = true;
};

class ScriptedDriver {
public:
    static ScriptedDriver& instance();

    // Back to the default script, with no calls recorded and no step held.
    void reset();
    // Changes the script; safe while the program runs.
    void configure(const std::function<void(DriverScript&)>& change);
    DriverScript script();

    std::vector<DriverCall> calls();
    // The calls without the acquisition steps, whose number depends on timing.
    std::vector<DriverCall> callsBesidesSteps();
    int count(const std::string& name);

    // Makes acquisition step `step` of the next tuning wait inside the driver until released.
    void holdStep(int step);
    // Waits until the worker is inside the held step.
    void waitUntilHeld();
    void releaseStep();

    // The operations, as the library's entry points call them.
    void record(std::string name, std::vector<std::int64_t> arguments);
    std::int32_t acquisitionStep();
    std::int32_t tune(std::int32_t frequency);

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    DriverScript script_;
    std::vector<DriverCall> calls_;
    int stepsSinceTuning_ = 0;
    int heldStep_ = 0;
    bool inHeldStep_ = false;
    bool released_ = false;
};

} // namespace harness
