#pragma once
// A display with no picture, for tests: input comes from another thread, and that thread can
// wait until the window thread has handled everything and blocks again.

#include "platform/display/Display.h"

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>

namespace platform {

class HeadlessDisplay : public Display {
public:
    explicit HeadlessDisplay(ScreenMetrics metrics = {}) : metrics_(metrics) {}

    ScreenMetrics metrics() const override;
    void setMetrics(const ScreenMetrics& metrics);
    void present() override;
    void wait(std::optional<TimePoint> deadline, InputSink& sink) override;
    void wake() override;

    // Input as a user gives it; any thread. The window thread receives it in its next wait.
    void pushMouseButton(POINT screen, bool down);
    void pushKey(UINT virtualKey, bool down, Modifiers modifiers = {});
    void pushCharacter(unsigned char ch, Modifiers modifiers = {});

    // Blocks until the window thread waits here with no input and no wake pending; false when
    // that does not happen within the limit.
    bool waitIdle(std::chrono::milliseconds limit);
    unsigned presentCount() const;

    // Runs on the window thread each time it is about to block here, with nothing left to do.
    void setIdleHook(std::function<void()> hook);
    // After the window thread has ended, waiting for it to be idle returns at once.
    void windowThreadEnded();

private:
    void push(std::function<void(InputSink&)> input);

    mutable std::mutex mutex_;
    std::condition_variable changed_;
    ScreenMetrics metrics_;
    std::deque<std::function<void(InputSink&)>> input_;
    bool wakePending_ = false;
    bool waiting_ = false;
    bool ended_ = false;
    std::function<void()> idleHook_;
    unsigned presents_ = 0;
};

} // namespace platform
