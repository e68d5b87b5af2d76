// The keyboard focus, the active window and the mouse capture of the calling thread.

#include "platform/win/Activation.h"
#include "platform/win/Constants.h"
#include "platform/win/LastError.h"
#include "platform/win/Messages.h"
#include "platform/win/Styles.h"
#include "platform/win/User32.h"
#include "platform/win/Window.h"

namespace platform {

LRESULT callProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* w = findWindow(window);
    if (w == nullptr || w->procedure == nullptr) {
        return 0;
    }
    return w->procedure(window, message, wParam, lParam);
}

bool canTakeFocus(HWND window) {
    for (Window* w = findWindow(window); w != nullptr; w = w->isChild() ? findWindow(w->parent) : nullptr) {
        if ((w->style & (WS_DISABLED | WS_MINIMIZE)) != 0) {
            return false;
        }
    }
    return window != nullptr;
}

void activateNext(HWND leaving) {
    Window* gone = findWindow(leaving);
    if (gone == nullptr) {
        SetActiveWindow(nullptr);
        return;
    }
    auto usable = [&](HWND candidate) {
        Window* w = findWindow(candidate);
        if (w == nullptr || candidate == leaving || w->destroying || w->queue != gone->queue) {
            return false;
        }
        return (w->style & WS_VISIBLE) != 0 && (w->style & (WS_DISABLED | WS_MINIMIZE)) == 0;
    };
    if (usable(gone->owner)) {
        SetActiveWindow(gone->owner);
        return;
    }
    auto stack = topLevelWindows();
    for (auto it = stack.rbegin(); it != stack.rend(); ++it) {
        if (usable(*it)) {
            SetActiveWindow(*it);
            return;
        }
    }
    SetActiveWindow(nullptr);
}

} // namespace platform

using namespace platform;

HWND WINAPI SetFocus(HWND hWnd) {
    auto& state = ThreadQueue::current().windows;
    HWND previous = state.focus;
    if (hWnd != nullptr) {
        Window* w = windowFor(hWnd);
        if (w == nullptr) {
            return nullptr;
        }
        if (w->queue.get() != &ThreadQueue::current()) {
            return fail<HWND>(ERROR_WINDOW_OF_OTHER_THREAD);
        }
        if (!canTakeFocus(hWnd)) {
            return nullptr;
        }
        HWND root = rootOf(hWnd);
        if (state.active != root) {
            SetActiveWindow(root);
        }
        previous = state.focus;
        if (previous == hWnd) {
            return previous;
        }
    } else if (previous == nullptr) {
        return nullptr;
    }
    state.focus = hWnd;
    noteChange();
    if (previous != nullptr) {
        callProcedure(previous, WM_KILLFOCUS, reinterpret_cast<WPARAM>(hWnd), 0);
    }
    if (hWnd != nullptr && state.focus == hWnd) {
        callProcedure(hWnd, WM_SETFOCUS, reinterpret_cast<WPARAM>(previous), 0);
    }
    return previous;
}

HWND WINAPI GetFocus(VOID) { return ThreadQueue::current().windows.focus; }

HWND WINAPI GetActiveWindow(VOID) { return ThreadQueue::current().windows.active; }

HWND WINAPI SetActiveWindow(HWND hWnd) {
    auto& state = ThreadQueue::current().windows;
    if (hWnd != nullptr) {
        if (windowFor(hWnd) == nullptr) {
            return nullptr;
        }
        hWnd = rootOf(hWnd);
    }
    HWND previous = state.active;
    if (previous == hWnd) {
        return previous;
    }
    if (previous != nullptr) {
        callProcedure(previous, WM_NCACTIVATE, FALSE, 0);
        callProcedure(previous, WM_ACTIVATE, WA_INACTIVE, reinterpret_cast<LPARAM>(hWnd));
        // The focus leaves with the activation; the new window takes it as it activates.
        if (state.focus != nullptr && (state.focus == previous || isDescendant(previous, state.focus))) {
            SetFocus(nullptr);
        }
    }
    state.active = hWnd;
    noteChange();
    if (hWnd != nullptr) {
        bringToTop(hWnd);
        callProcedure(hWnd, WM_NCACTIVATE, TRUE, 0);
        callProcedure(hWnd, WM_ACTIVATE, WA_ACTIVE, reinterpret_cast<LPARAM>(previous));
    }
    return previous;
}

HWND WINAPI SetCapture(HWND hWnd) {
    auto& state = ThreadQueue::current().windows;
    HWND previous = state.capture;
    if (hWnd != nullptr && windowFor(hWnd) == nullptr) {
        return nullptr;
    }
    state.capture = hWnd;
    if (previous != nullptr && previous != hWnd) {
        callProcedure(previous, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(hWnd));
    }
    return previous;
}

BOOL WINAPI ReleaseCapture(VOID) {
    auto& state = ThreadQueue::current().windows;
    HWND previous = state.capture;
    state.capture = nullptr;
    if (previous != nullptr) {
        callProcedure(previous, WM_CAPTURECHANGED, 0, 0);
    }
    return TRUE;
}

HWND WINAPI GetCapture(VOID) { return ThreadQueue::current().windows.capture; }
