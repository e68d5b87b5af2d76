#pragma once
// The message queue of one thread: posted messages, user input, the quit request, windows
// waiting to be painted and timers, plus the thread's keyboard focus, active window and mouse
// capture. A thread blocks here when it has nothing to do; the window thread blocks in its
// display, every other thread on a condition variable.

#include "platform/display/Display.h"
#include "platform/win/Clock.h"
#include "platform/win/Types.h"

#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

namespace platform {

class ThreadQueue {
public:
    struct Timer {
        HWND window;
        UINT_PTR id;
        SteadyClock::duration period;
        TimePoint due;
        TIMERPROC procedure;
    };

    // What the thread's windows share: written by the owner thread only.
    struct WindowState {
        HWND focus = nullptr;
        HWND active = nullptr;
        HWND capture = nullptr;
        Modifiers keys;
    };

    explicit ThreadQueue(DWORD threadId) : threadId_(threadId) {}
    ThreadQueue(const ThreadQueue&) = delete;
    ThreadQueue& operator=(const ThreadQueue&) = delete;

    // The queue of the calling thread, made on first use.
    static ThreadQueue& current();
    static std::shared_ptr<ThreadQueue> currentShared();
    static std::shared_ptr<ThreadQueue> find(DWORD threadId);
    static void wakeAll();

    DWORD threadId() const { return threadId_; }

    // Safe from any thread.
    void post(const MSG& msg);
    void postQuit(int exitCode);
    void wake();
    // Runs work on the owner thread the next time it looks at its queue or blocks.
    void call(std::function<void()> work);

    // Owner thread only.
    void bindDisplay(Display* display);
    void postInput(const MSG& msg, Modifiers keys);
    std::optional<MSG> take(HWND filter, UINT first, UINT last, bool remove);
    DWORD status();
    void block(std::optional<TimePoint> deadline);
    void runCalls();

    UINT_PTR setTimer(HWND window, UINT_PTR id, UINT elapse, TIMERPROC procedure);
    bool killTimer(HWND window, UINT_PTR id);
    void forgetWindow(HWND window);

    void invalidate(HWND window);
    void validate(HWND window);
    bool needsPaint(HWND window) const;

    WindowState windows;

private:
    struct Input {
        MSG msg;
        Modifiers keys;
    };

    bool matches(const MSG& msg, HWND filter, UINT first, UINT last) const;
    std::optional<TimePoint> nextTimerDue() const;

    const DWORD threadId_;
    unsigned presentedChanges_ = 0;

    std::mutex mutex_; // guards the members below it, which other threads touch
    std::condition_variable woken_;
    Display* display_ = nullptr;
    bool wakePending_ = false;
    std::deque<MSG> posted_;
    std::deque<std::function<void()>> calls_;
    bool quitPosted_ = false;
    int quitCode_ = 0;

    std::deque<Input> input_;
    std::vector<HWND> unpainted_;
    std::vector<Timer> timers_;
    UINT_PTR nextThreadTimerId_ = 1;
};

} // namespace platform
