#include "tests/support/Harness.h"

#include "platform/win/Icons.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

namespace harness {
namespace {

[[noreturn]] void hung(const std::string& what) {
    std::fprintf(stderr, "harness: timed out waiting %s\n", what.c_str());
    std::fflush(stderr);
    std::abort();
}

} // namespace

Harness::Harness() = default;

Harness::~Harness() {
    if (thread_.joinable()) {
        // A test that stopped early leaves its loops running: a quit request unwinds them all.
        if (!finished() && queue_) {
            queue_->postQuit(0);
        }
        thread_.join();
    }
    display_.setIdleHook(nullptr);
    platform::setDisplay(nullptr);
}

void Harness::start(std::function<int()> main) {
    std::promise<std::shared_ptr<platform::ThreadQueue>> ready;
    auto queue = ready.get_future();
    thread_ = std::thread([this, main = std::move(main), &ready] {
        platform::setDisplay(&display_);
        ready.set_value(platform::ThreadQueue::currentShared());
        int result = main();
        {
            std::lock_guard lock(mutex_);
            result_ = result;
            ended_ = true;
            changed_.notify_all();
        }
        // Only once the end is recorded may a wait for idleness return because of it.
        display_.windowThreadEnded();
    });
    queue_ = queue.get();
    threadId_ = queue_->threadId();
    waitIdle();
}

int Harness::finish() {
    std::unique_lock lock(mutex_);
    if (!changed_.wait_for(lock, testTimeLimit(), [this] { return ended_; })) {
        hung("for the window thread to end");
    }
    return result_;
}

bool Harness::finished() {
    std::lock_guard lock(mutex_);
    return ended_;
}

void Harness::waitIdle() {
    if (!display_.waitIdle(testTimeLimit())) {
        hung("for the window thread to become idle");
    }
}

void Harness::waitUntil(std::function<bool()> condition, const std::string& what) {
    auto met = std::make_shared<bool>(false);
    display_.setIdleHook([this, condition, met] {
        if (!*met && condition()) {
            std::lock_guard lock(mutex_);
            *met = true;
            changed_.notify_all();
        }
    });
    display_.wake(); // let the window thread look at once
    std::unique_lock lock(mutex_);
    bool done = changed_.wait_for(lock, testTimeLimit(), [&] { return *met || ended_; });
    lock.unlock();
    display_.setIdleHook(nullptr);
    if (!done) {
        hung("until " + what);
    }
    if (!*met) {
        ADD_FAILURE() << "the window thread ended before " << what;
    }
}

void Harness::runOnWindowThread(std::function<void()> work) {
    if (finished()) {
        ADD_FAILURE() << "query after the window thread ended";
        return;
    }
    std::promise<void> done;
    auto future = done.get_future();
    queue_->call([&] {
        work();
        done.set_value();
    });
    if (future.wait_for(testTimeLimit()) != std::future_status::ready) {
        hung("for a query on the window thread");
    }
}

void Harness::click(HWND window) {
    POINT centre = onWindowThread([window] {
        RECT r{};
        GetWindowRect(window, &r);
        return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    });
    clickAt(centre);
}

void Harness::clickAt(POINT screen) {
    display_.pushMouseButton(screen, true);
    display_.pushMouseButton(screen, false);
    waitIdle();
}

void Harness::press(UINT virtualKey, platform::Modifiers modifiers) {
    display_.pushKey(virtualKey, true, modifiers);
    display_.pushKey(virtualKey, false, modifiers);
    waitIdle();
}

void Harness::type(std::string_view text) {
    for (char c : text) {
        display_.pushCharacter(static_cast<unsigned char>(c));
    }
    waitIdle();
}

void Harness::advance(std::chrono::milliseconds step) {
    time_.advance(step);
    waitIdle();
}

HWND Harness::activeWindow() {
    return onWindowThread([] { return GetActiveWindow(); });
}

HWND Harness::focus() {
    return onWindowThread([] { return GetFocus(); });
}

HWND Harness::control(int id) {
    return onWindowThread([id] { return GetDlgItem(GetActiveWindow(), id); });
}

std::string Harness::text(HWND window) {
    return onWindowThread([window] {
        char buffer[1024];
        GetWindowTextA(window, buffer, sizeof buffer);
        return std::string(buffer);
    });
}

bool Harness::checked(HWND window) {
    return onWindowThread([window] { return SendMessageA(window, BM_GETCHECK, 0, 0) == BST_CHECKED; });
}

bool Harness::enabled(HWND window) {
    return onWindowThread([window] { return IsWindowEnabled(window) != FALSE; });
}

std::vector<std::string> Harness::childTexts(HWND window) {
    return onWindowThread([window] {
        std::vector<std::string> texts;
        for (HWND child = GetWindow(window, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
            char text[1024];
            GetWindowTextA(child, text, sizeof text);
            texts.emplace_back(text);
        }
        return texts;
    });
}

std::string Harness::iconShown(HWND window) {
    return onWindowThread([window] {
        for (HWND child = GetWindow(window, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
            auto icon = reinterpret_cast<HICON>(SendMessageA(child, STM_GETICON, 0, 0));
            if (const platform::Icon* shown = platform::findIcon(icon)) {
                return shown->name;
            }
        }
        return std::string();
    });
}

} // namespace harness
