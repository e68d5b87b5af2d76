#include "platform/win/Clock.h"

#include "platform/win/ThreadQueue.h"

#include <atomic>

namespace platform {
namespace {

std::atomic<bool> manual{false};
std::atomic<SteadyClock::rep> frozenAt{0};

} // namespace

TimePoint now() {
    if (manual.load(std::memory_order_acquire)) {
        return TimePoint(SteadyClock::duration(frozenAt.load(std::memory_order_acquire)));
    }
    return SteadyClock::now();
}

bool timeIsManual() { return manual.load(std::memory_order_acquire); }

ManualTime::ManualTime() {
    frozenAt.store(SteadyClock::now().time_since_epoch().count(), std::memory_order_release);
    manual.store(true, std::memory_order_release);
}

ManualTime::~ManualTime() {
    manual.store(false, std::memory_order_release);
    ThreadQueue::wakeAll();
}

void ManualTime::advance(std::chrono::milliseconds step) {
    frozenAt.fetch_add(std::chrono::duration_cast<SteadyClock::duration>(step).count(),
                       std::memory_order_acq_rel);
    ThreadQueue::wakeAll();
}

} // namespace platform
