#include "platform/display/HeadlessDisplay.h"

namespace platform {

ScreenMetrics HeadlessDisplay::metrics() const {
    std::lock_guard lock(mutex_);
    return metrics_;
}

void HeadlessDisplay::setMetrics(const ScreenMetrics& metrics) {
    std::lock_guard lock(mutex_);
    metrics_ = metrics;
}

void HeadlessDisplay::present() {
    std::lock_guard lock(mutex_);
    ++presents_;
}

unsigned HeadlessDisplay::presentCount() const {
    std::lock_guard lock(mutex_);
    return presents_;
}

void HeadlessDisplay::wait(std::optional<TimePoint> deadline, InputSink& sink) {
    std::unique_lock lock(mutex_);
    if (idleHook_ && input_.empty() && !wakePending_) {
        auto hook = idleHook_;
        lock.unlock();
        hook();
        lock.lock();
    }
    for (;;) {
        if (!input_.empty()) {
            auto taken = std::move(input_);
            input_.clear();
            waiting_ = false;
            // The input goes to the window system without this lock held: it may wake us.
            lock.unlock();
            for (auto& deliver : taken) {
                deliver(sink);
            }
            return;
        }
        if (wakePending_) {
            wakePending_ = false;
            waiting_ = false;
            return;
        }
        if (deadline && SteadyClock::now() >= *deadline) {
            waiting_ = false;
            return;
        }
        waiting_ = true;
        changed_.notify_all();
        if (deadline) {
            changed_.wait_until(lock, *deadline);
        } else {
            changed_.wait(lock);
        }
    }
}

void HeadlessDisplay::wake() {
    std::lock_guard lock(mutex_);
    wakePending_ = true;
    changed_.notify_all();
}

void HeadlessDisplay::push(std::function<void(InputSink&)> input) {
    std::lock_guard lock(mutex_);
    input_.push_back(std::move(input));
    changed_.notify_all();
}

void HeadlessDisplay::pushMouseButton(POINT screen, bool down) {
    push([=](InputSink& sink) { sink.mouseButton(screen, down); });
}

void HeadlessDisplay::pushKey(UINT virtualKey, bool down, Modifiers modifiers) {
    push([=](InputSink& sink) { sink.key(virtualKey, down, modifiers); });
}

void HeadlessDisplay::pushCharacter(unsigned char ch, Modifiers modifiers) {
    push([=](InputSink& sink) { sink.character(ch, modifiers); });
}

bool HeadlessDisplay::waitIdle(std::chrono::milliseconds limit) {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, limit, [&] {
        return ended_ || (waiting_ && input_.empty() && !wakePending_);
    });
}

void HeadlessDisplay::setIdleHook(std::function<void()> hook) {
    std::lock_guard lock(mutex_);
    idleHook_ = std::move(hook);
}

void HeadlessDisplay::windowThreadEnded() {
    std::lock_guard lock(mutex_);
    ended_ = true;
    changed_.notify_all();
}

} // namespace platform
