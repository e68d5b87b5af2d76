// A window thread with nothing to do uses no processor time, in every kind of wait.

#include "tests/support/Harness.h"
#include "tests/support/TestDialogs.h"

#include <gtest/gtest.h>

#include <pthread.h>
#include <time.h>

using namespace harness;
using namespace std::chrono_literals;

namespace {

std::chrono::nanoseconds threadCpuTime(pthread_t thread) {
    clockid_t clock;
    pthread_getcpuclockid(thread, &clock);
    timespec t{};
    clock_gettime(clock, &t);
    return std::chrono::seconds(t.tv_sec) + std::chrono::nanoseconds(t.tv_nsec);
}

// Measures how much processor time the window thread takes while the test leaves it alone.
// Watching for the absence of work needs a stretch of real time; a spinning thread would burn
// all of it.
std::chrono::nanoseconds cpuWhileLeftAlone(Harness& h) {
    h.waitIdle();
    pthread_t thread = h.onWindowThread([] { return pthread_self(); });
    h.waitIdle();
    auto before = threadCpuTime(thread);
    std::this_thread::sleep_for(200ms);
    return threadCpuTime(thread) - before;
}

DWORD WINAPI sleeper(LPVOID stop) {
    while (!static_cast<std::atomic<bool>*>(stop)->load()) {
        Sleep(10);
    }
    return 0;
}

} // namespace

TEST(NoSpin, InAModalLoop) {
    Harness h;
    Recorder recorder;
    h.start([&] { return static_cast<int>(runRecorded(dialogOf("Idle", {pushButton(400, "B", 5, 5)}), recorder)); });
    EXPECT_LT(cpuWhileLeftAlone(h), 20ms);
    h.press(VK_ESCAPE);
    h.finish();
}

TEST(NoSpin, InAWaitForAThreadAndInput) {
    Harness h;
    std::atomic<bool> stop{false};
    HANDLE worker = CreateThread(nullptr, 0, sleeper, &stop, 0, nullptr);
    h.start([&] {
        MsgWaitForMultipleObjects(1, &worker, FALSE, INFINITE, QS_ALLINPUT);
        return 0;
    });
    EXPECT_LT(cpuWhileLeftAlone(h), 20ms);
    stop = true;
    h.finish();
    CloseHandle(worker);
}
