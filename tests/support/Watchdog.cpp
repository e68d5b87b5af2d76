#include "tests/support/Watchdog.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

namespace harness {

std::chrono::seconds testTimeLimit() {
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
    return std::chrono::seconds(60);
#else
    return std::chrono::seconds(20);
#endif
}

Watchdog::Watchdog(std::chrono::seconds limit) {
    std::string name = "(unknown test)";
    if (const auto* info = ::testing::UnitTest::GetInstance()->current_test_info()) {
        name = std::string(info->test_suite_name()) + "." + info->name();
    }
    thread_ = std::thread([this, limit, name] {
        std::unique_lock lock(mutex_);
        if (!disarmed_.wait_for(lock, limit, [this] { return done_; })) {
            std::fprintf(stderr, "watchdog: %s still running after %lld s; it hangs\n", name.c_str(),
                         static_cast<long long>(limit.count()));
            std::fflush(stderr);
            std::abort();
        }
    });
}

Watchdog::~Watchdog() {
    {
        std::lock_guard lock(mutex_);
        done_ = true;
    }
    disarmed_.notify_all();
    thread_.join();
}

} // namespace harness
