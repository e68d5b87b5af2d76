// Threads, handles, waiting, errors and arithmetic of the kernel32 subset.

#include "platform/win/Constants.h"
#include "platform/win/Kernel32.h"
#include "platform/win/KernelObjects.h"
#include "platform/win/LastError.h"
#include "platform/win/Threads.h"
#include "platform/win/Clock.h"

#include <atomic>
#include <cstdint>
#include <thread>

namespace platform {

thread_local DWORD lastError = ERROR_SUCCESS;

namespace {

std::atomic<DWORD> nextThreadId{0x100};
thread_local DWORD threadId = 0;
std::atomic<int> failingCreations{0};

// Adopts an identity chosen by the creating thread, so CreateThread can report it at once.
void adoptThreadId(DWORD id) { threadId = id; }

DWORD newThreadId() { return nextThreadId.fetch_add(4); }

} // namespace

DWORD currentThreadId() {
    if (threadId == 0) {
        threadId = newThreadId();
    }
    return threadId;
}

void failThreadCreations(int count) { failingCreations.store(count); }

} // namespace platform

using namespace platform;

HANDLE WINAPI CreateThread(LPSECURITY_ATTRIBUTES, SIZE_T, LPTHREAD_START_ROUTINE lpStartAddress,
                           LPVOID lpParameter, DWORD dwCreationFlags, LPDWORD lpThreadId) {
    constexpr DWORD createSuspended = 0x4;
    if (lpStartAddress == nullptr || (dwCreationFlags & createSuspended) != 0) {
        return fail<HANDLE>(ERROR_INVALID_PARAMETER);
    }
    for (int left = failingCreations.load(); left > 0;) {
        if (failingCreations.compare_exchange_weak(left, left - 1)) {
            return fail<HANDLE>(ERROR_NOT_ENOUGH_MEMORY);
        }
    }
    auto thread = std::make_shared<ThreadObject>(newThreadId());
    try {
        std::thread([thread, lpStartAddress, lpParameter] {
            adoptThreadId(thread->id());
            thread->finish(lpStartAddress(lpParameter));
        }).detach();
    } catch (const std::system_error&) {
        return fail<HANDLE>(ERROR_NOT_ENOUGH_MEMORY);
    }
    if (lpThreadId != nullptr) {
        *lpThreadId = thread->id();
    }
    return addHandle(thread);
}

BOOL WINAPI CloseHandle(HANDLE hObject) {
    return closeHandle(hObject) ? TRUE : fail(ERROR_INVALID_HANDLE);
}

BOOL WINAPI GetExitCodeThread(HANDLE hThread, LPDWORD lpExitCode) {
    auto thread = std::dynamic_pointer_cast<ThreadObject>(findHandle(hThread));
    if (!thread || lpExitCode == nullptr) {
        return fail(ERROR_INVALID_HANDLE);
    }
    *lpExitCode = thread->exitCode();
    return TRUE;
}

VOID WINAPI Sleep(DWORD dwMilliseconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(dwMilliseconds));
}

DWORD WINAPI WaitForSingleObject(HANDLE hHandle, DWORD dwMilliseconds) {
    auto object = findHandle(hHandle);
    if (!object) {
        return fail<DWORD>(ERROR_INVALID_HANDLE, WAIT_FAILED);
    }
    std::optional<std::chrono::milliseconds> timeout;
    if (dwMilliseconds != INFINITE) {
        timeout = std::chrono::milliseconds(dwMilliseconds);
    }
    return waitForObject(*object, timeout) ? WAIT_OBJECT_0 : WAIT_TIMEOUT;
}

DWORD WINAPI GetCurrentThreadId(VOID) { return currentThreadId(); }

DWORD WINAPI GetTickCount(VOID) {
    using namespace std::chrono;
    return static_cast<DWORD>(
        duration_cast<milliseconds>(platform::now().time_since_epoch()).count());
}

DWORD WINAPI GetLastError(VOID) { return lastError; }

VOID WINAPI SetLastError(DWORD dwErrCode) { lastError = dwErrCode; }

int WINAPI MulDiv(int nNumber, int nNumerator, int nDenominator) {
    if (nDenominator == 0) {
        return -1;
    }
    // Rounds half away from zero, as the system's own does.
    std::int64_t product = std::int64_t{nNumber} * nNumerator;
    std::int64_t half = (nDenominator < 0 ? -std::int64_t{nDenominator} : nDenominator) / 2;
    bool negative = (product < 0) != (nDenominator < 0);
    std::int64_t magnitude = (product < 0 ? -product : product) + half;
    std::int64_t quotient = magnitude / (nDenominator < 0 ? -std::int64_t{nDenominator} : nDenominator);
    std::int64_t result = negative ? -quotient : quotient;
    if (result > INT32_MAX || result < INT32_MIN) {
        return -1;
    }
    return static_cast<int>(result);
}
