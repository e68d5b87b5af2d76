#pragma once
// Fails a test that hangs: if the watchdog is still armed when its time runs out, it names
// the running test and aborts the process, so CI reports a failure instead of stalling.

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

namespace harness {

// The time a test may run; longer under the sanitizers, which slow everything down.
std::chrono::seconds testTimeLimit();

class Watchdog {
public:
    explicit Watchdog(std::chrono::seconds limit = testTimeLimit());
    ~Watchdog();
    Watchdog(const Watchdog&) = delete;
    Watchdog& operator=(const Watchdog&) = delete;

private:
    std::mutex mutex_;
    std::condition_variable disarmed_;
    bool done_ = false;
    std::thread thread_;
};

} // namespace harness
