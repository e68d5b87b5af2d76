// Posting, sending, taking and dispatching messages; waiting for messages and objects; timers.

#include "platform/win/Activation.h"
#include "platform/win/Constants.h"
#include "platform/win/Kernel32.h"
#include "platform/win/KernelObjects.h"
#include "platform/win/LastError.h"
#include "platform/win/Messages.h"
#include "platform/win/Threads.h"
#include "platform/win/User32.h"
#include "platform/win/Window.h"

#include <future>

using namespace platform;

namespace {

constexpr DWORD errorInvalidThreadId = 1444;
constexpr DWORD errorAccessDenied = 5;

// A filter window must be one of the calling thread's; -1 stands for thread messages only.
bool validFilter(HWND filter) {
    if (filter == nullptr || filter == reinterpret_cast<HWND>(-1)) {
        return true;
    }
    return windowFor(filter) != nullptr;
}

} // namespace

BOOL WINAPI PostMessageA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
    if (hWnd == nullptr) {
        ThreadQueue::current().post({nullptr, Msg, wParam, lParam, 0, {}});
        return TRUE;
    }
    auto queue = queueOf(hWnd);
    if (!queue) {
        return fail(ERROR_INVALID_WINDOW_HANDLE);
    }
    queue->post({hWnd, Msg, wParam, lParam, 0, {}});
    return TRUE;
}

BOOL WINAPI PostThreadMessageA(DWORD idThread, UINT Msg, WPARAM wParam, LPARAM lParam) {
    auto queue = ThreadQueue::find(idThread);
    if (!queue) {
        return fail(errorInvalidThreadId);
    }
    queue->post({nullptr, Msg, wParam, lParam, 0, {}});
    return TRUE;
}

LRESULT WINAPI SendMessageA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
    auto queue = queueOf(hWnd);
    if (!queue) {
        return fail<LRESULT>(ERROR_INVALID_WINDOW_HANDLE);
    }
    if (queue.get() == &ThreadQueue::current()) {
        return callProcedure(hWnd, Msg, wParam, lParam);
    }
    // A window of another thread: its own thread runs the procedure while this one waits.
    auto answer = std::make_shared<std::promise<LRESULT>>();
    auto result = answer->get_future();
    queue->call([=] { answer->set_value(callProcedure(hWnd, Msg, wParam, lParam)); });
    return result.get();
}

BOOL WINAPI PeekMessageA(LPMSG lpMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax,
                         UINT wRemoveMsg) {
    if (lpMsg == nullptr || !validFilter(hWnd)) {
        return FALSE;
    }
    auto msg = ThreadQueue::current().take(hWnd, wMsgFilterMin, wMsgFilterMax,
                                           (wRemoveMsg & PM_REMOVE) != 0);
    if (!msg) {
        return FALSE;
    }
    *lpMsg = *msg;
    return TRUE;
}

BOOL WINAPI GetMessageA(LPMSG lpMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax) {
    if (lpMsg == nullptr || !validFilter(hWnd)) {
        return -1;
    }
    auto& queue = ThreadQueue::current();
    for (;;) {
        if (auto msg = queue.take(hWnd, wMsgFilterMin, wMsgFilterMax, true)) {
            *lpMsg = *msg;
            return msg->message == WM_QUIT ? FALSE : TRUE;
        }
        queue.block(std::nullopt);
    }
}

BOOL WINAPI TranslateMessage(const MSG* lpMsg) {
    if (lpMsg == nullptr || (lpMsg->message != WM_KEYDOWN && lpMsg->message != WM_SYSKEYDOWN)) {
        return FALSE;
    }
    // The input router keeps the character a key types in the scan-code bits of lParam.
    auto ch = static_cast<unsigned char>((lpMsg->lParam >> 16) & 0xFF);
    if (ch == 0) {
        return FALSE;
    }
    UINT charMessage = lpMsg->message == WM_KEYDOWN ? WM_CHAR : WM_SYSCHAR;
    return PostMessageA(lpMsg->hwnd, charMessage, ch, lpMsg->lParam);
}

LRESULT WINAPI DispatchMessageA(const MSG* lpMsg) {
    if (lpMsg == nullptr || lpMsg->hwnd == nullptr) {
        return 0;
    }
    if (lpMsg->message == WM_TIMER && lpMsg->lParam != 0) {
        auto procedure = reinterpret_cast<TIMERPROC>(lpMsg->lParam);
        procedure(lpMsg->hwnd, WM_TIMER, lpMsg->wParam, GetTickCount());
        return 0;
    }
    Window* w = windowFor(lpMsg->hwnd);
    if (w == nullptr) {
        return 0;
    }
    if (w->queue.get() != &ThreadQueue::current()) {
        return fail<LRESULT>(errorAccessDenied);
    }
    return callProcedure(lpMsg->hwnd, lpMsg->message, lpMsg->wParam, lpMsg->lParam);
}

VOID WINAPI PostQuitMessage(int nExitCode) { ThreadQueue::current().postQuit(nExitCode); }

DWORD WINAPI MsgWaitForMultipleObjects(DWORD nCount, const HANDLE* pHandles, BOOL fWaitAll,
                                       DWORD dwMilliseconds, DWORD dwWakeMask) {
    if ((nCount > 0 && pHandles == nullptr) || fWaitAll) {
        return fail<DWORD>(ERROR_INVALID_PARAMETER, WAIT_FAILED);
    }
    std::vector<std::shared_ptr<KernelObject>> objects;
    for (DWORD i = 0; i < nCount; ++i) {
        auto object = findHandle(pHandles[i]);
        if (!object) {
            return fail<DWORD>(ERROR_INVALID_HANDLE, WAIT_FAILED);
        }
        objects.push_back(std::move(object));
    }
    std::optional<TimePoint> deadline;
    if (dwMilliseconds != INFINITE) {
        deadline = SteadyClock::now() + std::chrono::milliseconds(dwMilliseconds);
    }
    auto& queue = ThreadQueue::current();
    for (;;) {
        queue.runCalls();
        for (DWORD i = 0; i < nCount; ++i) {
            if (objects[i]->signalled()) {
                return WAIT_OBJECT_0 + i;
            }
        }
        if ((queue.status() & dwWakeMask) != 0) {
            return WAIT_OBJECT_0 + nCount;
        }
        if (deadline && SteadyClock::now() >= *deadline) {
            return WAIT_TIMEOUT;
        }
        queue.block(deadline);
    }
}

DWORD WINAPI GetQueueStatus(UINT flags) {
    DWORD available = ThreadQueue::current().status() & flags;
    return MAKELONG(available, available);
}

UINT_PTR WINAPI SetTimer(HWND hWnd, UINT_PTR nIDEvent, UINT uElapse, TIMERPROC lpTimerFunc) {
    if (hWnd != nullptr) {
        Window* w = windowFor(hWnd);
        if (w == nullptr) {
            return 0;
        }
        if (w->queue.get() != &ThreadQueue::current()) {
            return fail<UINT_PTR>(errorAccessDenied);
        }
    }
    return ThreadQueue::current().setTimer(hWnd, nIDEvent, uElapse, lpTimerFunc);
}

BOOL WINAPI KillTimer(HWND hWnd, UINT_PTR uIDEvent) {
    if (hWnd != nullptr && windowFor(hWnd) == nullptr) {
        return FALSE;
    }
    constexpr DWORD errorInvalidTimerId = 1447;
    return ThreadQueue::current().killTimer(hWnd, uIDEvent) ? TRUE : fail(errorInvalidTimerId);
}

SHORT WINAPI GetKeyState(int nVirtKey) {
    const Modifiers& keys = ThreadQueue::current().windows.keys;
    bool down = (nVirtKey == VK_SHIFT && keys.shift) || (nVirtKey == VK_CONTROL && keys.control) ||
                (nVirtKey == VK_MENU && keys.alt);
    return down ? static_cast<SHORT>(0x8000) : 0;
}
