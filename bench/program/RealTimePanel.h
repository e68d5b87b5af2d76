#pragma once
// The whole program on a window thread of its own, on a headless display, with platform time
// running as it does for a user: timers fall due by themselves, pauses and waits take real time.
// Input goes in as a user gives it; every redraw of the panel is timed, so a benchmark can tell
// when a change became visible.

#include "bench/program/TimedCard.h"
#include "platform/display/HeadlessDisplay.h"
#include "platform/win/ThreadQueue.h"
#include "platform/win/Win32.h"

#include <chrono>
#include <functional>
#include <future>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <type_traits>

namespace bench {

class RealTimePanel {
public:
    // Starts the program and waits until its panel is open and idle.
    RealTimePanel();
    // Ends the panel through its cancel command and waits for the program to return.
    ~RealTimePanel();
    RealTimePanel(const RealTimePanel&) = delete;
    RealTimePanel& operator=(const RealTimePanel&) = delete;

    // Presses and releases the mouse on a control of the panel without waiting for the program
    // to handle it; gives the moment the press went in.
    BenchClock::time_point click(int controlId);
    // Clicks a control and waits until the program has handled the click.
    void clickAndWait(int controlId);
    // Waits until the window thread blocks with nothing left to do.
    void waitIdle();

    // The first redraw, from now on, after which `condition` holds; it is evaluated on the
    // window thread at every redraw. Ask for it before causing the change.
    std::future<BenchClock::time_point> redrawWhere(std::function<bool()> condition);

    std::string text(int controlId);
    void setText(int controlId, const std::string& text);
    bool enabled(int controlId);

    // The same reads for redraw conditions, which run on the window thread already.
    std::string textHere(int controlId) const;
    bool enabledHere(int controlId) const;

    template <class Query> auto onWindowThread(Query query) -> std::invoke_result_t<Query>;

private:
    class TimedDisplay;

    void runOnWindowThread(std::function<void()> work);

    std::unique_ptr<TimedDisplay> display_;
    std::shared_ptr<platform::ThreadQueue> queue_;
    std::thread thread_;
    HWND panel_ = nullptr;
};

template <class Query>
auto RealTimePanel::onWindowThread(Query query) -> std::invoke_result_t<Query> {
    using Result = std::invoke_result_t<Query>;
    if constexpr (std::is_void_v<Result>) {
        runOnWindowThread(query);
    } else {
        std::optional<Result> result;
        runOnWindowThread([&] { result = query(); });
        return std::move(*result);
    }
}

// Fails the benchmark with a message when something it waits for does not come.
[[noreturn]] void giveUp(const std::string& what);

} // namespace bench
