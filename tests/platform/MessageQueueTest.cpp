// The message queue of a thread: the order in which messages come out, timers, the quit
// request, and the waits that block until something arrives.

#include "platform/win/Win32.h"
#include "tests/support/Harness.h"
#include "tests/support/TestDialogs.h"

#include <gtest/gtest.h>

#include <condition_variable>
#include <mutex>

using namespace std::chrono_literals;

namespace {

// A plain top-level window to aim messages at.
HWND makeWindow() {
    return CreateWindowExA(0, "Static", "target", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
}

std::vector<UINT> drain() {
    std::vector<UINT> seen;
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        seen.push_back(msg.message);
        if (msg.message == WM_PAINT) {
            PAINTSTRUCT paint;
            BeginPaint(msg.hwnd, &paint);
            EndPaint(msg.hwnd, &paint);
        }
    }
    return seen;
}

} // namespace

TEST(MessageQueue, PostedMessagesComeFirstThenQuitThenPaintThenTimers) {
    platform::ManualTime time;
    HWND window = makeWindow();
    ShowWindow(window, SW_SHOWNA); // shown windows wait to be painted
    SetTimer(window, 7, 1000, nullptr);
    time.advance(1000ms);
    PostQuitMessage(3);
    PostMessageA(window, WM_USER, 1, 2);

    EXPECT_EQ(drain(), (std::vector<UINT>{WM_USER, WM_QUIT, WM_PAINT, WM_TIMER}));
    DestroyWindow(window);
}

TEST(MessageQueue, ATimerHasAtMostOneTickPendingAndRestartsWhenTaken) {
    platform::ManualTime time;
    HWND window = makeWindow();
    SetTimer(window, 1, 1000, nullptr);
    EXPECT_TRUE(drain().empty()) << "no tick before the period has passed";

    time.advance(5000ms); // five periods pass while nobody looks
    EXPECT_EQ(drain(), std::vector<UINT>{WM_TIMER});
    time.advance(999ms);
    EXPECT_TRUE(drain().empty()) << "the period restarts when the tick is taken";
    time.advance(1ms);
    EXPECT_EQ(drain(), std::vector<UINT>{WM_TIMER});

    KillTimer(window, 1);
    time.advance(5000ms);
    EXPECT_TRUE(drain().empty());
    DestroyWindow(window);
}

TEST(MessageQueue, PeekMessageSeesTheQuitRequestWithItsCode) {
    PostQuitMessage(42);
    MSG msg{};
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 42u);
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) << "taken once";
}

TEST(MessageQueue, GetMessageReturnsFalseForQuit) {
    PostQuitMessage(0);
    MSG msg{};
    EXPECT_EQ(GetMessageA(&msg, nullptr, 0, 0), FALSE);
}

// A thread that runs until the test lets it end.
struct HeldThread {
    std::mutex mutex;
    std::condition_variable released;
    bool release = false;

    static DWORD WINAPI run(LPVOID self) {
        auto* held = static_cast<HeldThread*>(self);
        std::unique_lock lock(held->mutex);
        held->released.wait(lock, [&] { return held->release; });
        return 5;
    }
    void end() {
        std::lock_guard lock(mutex);
        release = true;
        released.notify_all();
    }
};

enum class WakeCause { PostedMessage, KeyPressed, TimerDue, HandleSignalled };

class MsgWaitWakes : public ::testing::TestWithParam<WakeCause> {};

TEST_P(MsgWaitWakes, OnEachOfItsCauses) {
    harness::Harness h;
    HeldThread held;
    HANDLE thread = CreateThread(nullptr, 0, HeldThread::run, &held, 0, nullptr);
    ASSERT_NE(thread, nullptr);
    HWND window = nullptr;
    DWORD woke = 0;
    h.start([&] {
        window = CreateWindowExA(0, "Static", "w", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10, nullptr,
                                 nullptr, nullptr, nullptr);
        drain(); // the first paint
        SetTimer(window, 1, 1000, nullptr);
        woke = MsgWaitForMultipleObjects(1, &thread, FALSE, INFINITE, QS_ALLINPUT);
        DestroyWindow(window);
        return 0;
    });
    ASSERT_FALSE(h.finished()) << "the wait blocks while nothing has happened";

    switch (GetParam()) {
    case WakeCause::PostedMessage: PostMessageA(window, WM_USER, 0, 0); break;
    case WakeCause::KeyPressed: h.display().pushKey('A', true); break;
    case WakeCause::TimerDue: h.advance(1000ms); break;
    case WakeCause::HandleSignalled: held.end(); break;
    }
    h.finish();
    DWORD expected = GetParam() == WakeCause::HandleSignalled ? WAIT_OBJECT_0 : WAIT_OBJECT_0 + 1;
    EXPECT_EQ(woke, expected);

    held.end();
    EXPECT_EQ(WaitForSingleObject(thread, INFINITE), static_cast<DWORD>(WAIT_OBJECT_0));
    DWORD code = 0;
    EXPECT_TRUE(GetExitCodeThread(thread, &code));
    EXPECT_EQ(code, 5u);
    EXPECT_TRUE(CloseHandle(thread));
}

INSTANTIATE_TEST_SUITE_P(Causes, MsgWaitWakes,
                         ::testing::Values(WakeCause::PostedMessage, WakeCause::KeyPressed,
                                           WakeCause::TimerDue, WakeCause::HandleSignalled));

TEST(Threads, AThreadHandleIsSignalledOnlyWhenTheThreadEnds) {
    HeldThread held;
    DWORD id = 0;
    HANDLE thread = CreateThread(nullptr, 0, HeldThread::run, &held, 0, &id);
    ASSERT_NE(thread, nullptr);
    EXPECT_NE(id, GetCurrentThreadId());
    EXPECT_EQ(WaitForSingleObject(thread, 0), static_cast<DWORD>(WAIT_TIMEOUT));
    DWORD code = 0;
    GetExitCodeThread(thread, &code);
    EXPECT_EQ(code, static_cast<DWORD>(STILL_ACTIVE));
    held.end();
    EXPECT_EQ(WaitForSingleObject(thread, INFINITE), static_cast<DWORD>(WAIT_OBJECT_0));
    EXPECT_TRUE(CloseHandle(thread));
}

TEST(Threads, CallsWithHandlesThatNameNothingFailAsTheSystemReportsIt) {
    HANDLE bogus = reinterpret_cast<HANDLE>(0x7777);
    SetLastError(0);
    EXPECT_FALSE(CloseHandle(bogus));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
    EXPECT_EQ(WaitForSingleObject(bogus, 0), WAIT_FAILED);
    EXPECT_EQ(MsgWaitForMultipleObjects(1, &bogus, FALSE, 0, QS_ALLINPUT), WAIT_FAILED);
    DWORD code = 0;
    EXPECT_FALSE(GetExitCodeThread(bogus, &code));

    HeldThread held;
    HANDLE thread = CreateThread(nullptr, 0, HeldThread::run, &held, 0, nullptr);
    held.end();
    WaitForSingleObject(thread, INFINITE);
    EXPECT_TRUE(CloseHandle(thread));
    EXPECT_FALSE(CloseHandle(thread)) << "a closed handle stays invalid";
}
