#include "bench/program/RealTimePanel.h"

#include "platform/afx/WinApp.h"
#include "ui/ResourceIds.h"

#include <cstdio>
#include <cstdlib>

namespace bench {
namespace {

// Long enough for any single step of a benchmark on a loaded machine; a wait that runs out
// means the program hangs.
constexpr std::chrono::seconds patience{20};

} // namespace

void giveUp(const std::string& what) {
    std::fprintf(stderr, "program_bench: gave up waiting %s\n", what.c_str());
    std::fflush(stderr);
    std::_Exit(2);
}

// The headless display, with a hook on the window thread at every redraw.
class RealTimePanel::TimedDisplay : public platform::HeadlessDisplay {
public:
    void present() override {
        HeadlessDisplay::present();
        auto now = BenchClock::now();
        std::function<bool()> condition;
        {
            std::lock_guard lock(mutex_);
            condition = condition_;
        }
        if (condition && condition()) {
            std::lock_guard lock(mutex_);
            if (promise_) {
                promise_->set_value(now);
                promise_.reset();
                condition_ = nullptr;
            }
        }
    }

    std::future<BenchClock::time_point> watch(std::function<bool()> condition) {
        std::lock_guard lock(mutex_);
        promise_.emplace();
        condition_ = std::move(condition);
        return promise_->get_future();
    }

private:
    std::mutex mutex_;
    std::function<bool()> condition_;
    std::optional<std::promise<BenchClock::time_point>> promise_;
};

RealTimePanel::RealTimePanel() : display_(std::make_unique<TimedDisplay>()) {
    std::promise<std::shared_ptr<platform::ThreadQueue>> ready;
    auto queue = ready.get_future();
    thread_ = std::thread([this, &ready] {
        platform::setDisplay(display_.get());
        ready.set_value(platform::ThreadQueue::currentShared());
        AfxWinMain();
        display_->windowThreadEnded();
    });
    queue_ = queue.get();
    waitIdle();
    panel_ = onWindowThread([] { return GetActiveWindow(); });
    if (panel_ == nullptr) {
        giveUp("for the panel to open (is the driver library there?)");
    }
}

RealTimePanel::~RealTimePanel() {
    onWindowThread([this] { PostMessageA(panel_, WM_COMMAND, IDCANCEL, 0); });
    thread_.join();
    platform::setDisplay(nullptr);
}

void RealTimePanel::waitIdle() {
    if (!display_->waitIdle(patience)) {
        giveUp("for the window thread to become idle");
    }
}

BenchClock::time_point RealTimePanel::click(int controlId) {
    POINT centre = onWindowThread([this, controlId] {
        RECT r{};
        GetWindowRect(GetDlgItem(panel_, controlId), &r);
        return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    });
    auto pressed = BenchClock::now();
    display_->pushMouseButton(centre, true);
    display_->pushMouseButton(centre, false);
    return pressed;
}

void RealTimePanel::clickAndWait(int controlId) {
    click(controlId);
    waitIdle();
}

std::future<BenchClock::time_point> RealTimePanel::redrawWhere(std::function<bool()> condition) {
    return display_->watch(std::move(condition));
}

std::string RealTimePanel::text(int controlId) {
    return onWindowThread([this, controlId] { return textHere(controlId); });
}

std::string RealTimePanel::textHere(int controlId) const {
    char buffer[256];
    GetWindowTextA(GetDlgItem(panel_, controlId), buffer, sizeof buffer);
    return buffer;
}

bool RealTimePanel::enabledHere(int controlId) const {
    return IsWindowEnabled(GetDlgItem(panel_, controlId)) != FALSE;
}

void RealTimePanel::setText(int controlId, const std::string& text) {
    onWindowThread([&] { SetWindowTextA(GetDlgItem(panel_, controlId), text.c_str()); });
}

bool RealTimePanel::enabled(int controlId) {
    return onWindowThread([this, controlId] { return enabledHere(controlId); });
}

void RealTimePanel::runOnWindowThread(std::function<void()> work) {
    std::promise<void> done;
    auto future = done.get_future();
    queue_->call([&] {
        work();
        done.set_value();
    });
    if (future.wait_for(patience) != std::future_status::ready) {
        giveUp("for a query on the window thread");
    }
}

} // namespace bench
