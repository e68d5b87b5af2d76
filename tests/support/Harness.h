#pragma once
// Runs a window thread on the headless display and drives it as a user would: clicks, keys
// and typed text go in as input; after each, the harness waits until the window thread has
// handled everything and blocks again. Windows are read by running queries on that thread.
// Platform time stands still unless the test moves it on, so timers fire only when asked to.

#include "platform/display/HeadlessDisplay.h"
#include "platform/win/Clock.h"
#include "platform/win/ThreadQueue.h"
#include "platform/win/Win32.h"
#include "tests/support/Watchdog.h"

#include <condition_variable>
#include <functional>
#include <future>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <type_traits>
#include <vector>

namespace harness {

class Harness {
public:
    Harness();
    ~Harness();
    Harness(const Harness&) = delete;
    Harness& operator=(const Harness&) = delete;

    // Starts `main` on a new window thread, bound to the headless display, and waits until it
    // is idle.
    void start(std::function<int()> main);
    // Waits for the window thread's main to return and gives its result.
    int finish();
    bool finished();

    // Waits until the window thread blocks with nothing left to do (or has ended).
    void waitIdle();
    // Waits until `condition`, evaluated on the window thread whenever it becomes idle, holds.
    void waitUntil(std::function<bool()> condition, const std::string& what);

    // Runs `query` on the window thread and gives its result.
    template <class Query> auto onWindowThread(Query query) -> std::invoke_result_t<Query>;

    // Input, each followed by waitIdle().
    void click(HWND window);        // press and release at the window's centre
    void clickAt(POINT screen);
    void press(UINT virtualKey, platform::Modifiers modifiers = {});
    void type(std::string_view text);
    // Moves platform time on, so that timers fall due.
    void advance(std::chrono::milliseconds step);

    // Reads of the window thread's state.
    HWND activeWindow();
    HWND focus();
    HWND control(int id); // a control of the active window
    std::string text(HWND window);
    bool checked(HWND window);
    bool enabled(HWND window);
    // The texts of a window's controls, in order.
    std::vector<std::string> childTexts(HWND window);
    // The name of the icon a window's icon control shows (see platform::Icon), or "".
    std::string iconShown(HWND window);

    platform::HeadlessDisplay& display() { return display_; }
    DWORD windowThreadId() const { return threadId_; }

private:
    void runOnWindowThread(std::function<void()> work);

    platform::ManualTime time_;
    platform::HeadlessDisplay display_;
    Watchdog watchdog_;
    std::shared_ptr<platform::ThreadQueue> queue_;
    DWORD threadId_ = 0;
    std::thread thread_;
    std::mutex mutex_;
    std::condition_variable changed_;
    bool ended_ = false;
    int result_ = 0;
};

template <class Query> auto Harness::onWindowThread(Query query) -> std::invoke_result_t<Query> {
    using Result = std::invoke_result_t<Query>;
    if constexpr (std::is_void_v<Result>) {
        runOnWindowThread(query);
    } else {
        std::optional<Result> result;
        runOnWindowThread([&] { result = query(); });
        return std::move(*result);
    }
}

} // namespace harness
