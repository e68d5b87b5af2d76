// Painting: the paint cycle of a window and the one drawing call the program makes.

#include "platform/win/Activation.h"
#include "platform/win/Constants.h"
#include "platform/win/Icons.h"
#include "platform/win/LastError.h"
#include "platform/win/Messages.h"
#include "platform/win/User32.h"
#include "platform/win/Window.h"

#include <map>
#include <mutex>

using namespace platform;

namespace {

// A device context stands for the window it paints; it lives from BeginPaint to EndPaint.
struct Contexts {
    std::mutex mutex;
    std::map<HDC, HWND> windows;
    std::uintptr_t nextValue = 0x40000;
};

Contexts& contexts() {
    static Contexts instance;
    return instance;
}

HWND windowOfContext(HDC dc) {
    auto& c = contexts();
    std::lock_guard lock(c.mutex);
    auto it = c.windows.find(dc);
    return it == c.windows.end() ? nullptr : it->second;
}

} // namespace

HDC WINAPI BeginPaint(HWND hWnd, LPPAINTSTRUCT lpPaint) {
    Window* w = windowFor(hWnd);
    if (w == nullptr || lpPaint == nullptr) {
        return nullptr;
    }
    HDC dc;
    {
        auto& c = contexts();
        std::lock_guard lock(c.mutex);
        dc = reinterpret_cast<HDC>(c.nextValue);
        c.nextValue += 4;
        c.windows.emplace(dc, hWnd);
    }
    w->queue->validate(hWnd);
    w->drawnIcons.clear();
    *lpPaint = PAINTSTRUCT{};
    lpPaint->hdc = dc;
    lpPaint->rcPaint = clientRect(*w);
    noteChange();
    return dc;
}

BOOL WINAPI EndPaint(HWND hWnd, const PAINTSTRUCT* lpPaint) {
    if (lpPaint == nullptr || windowOfContext(lpPaint->hdc) != hWnd) {
        return FALSE;
    }
    auto& c = contexts();
    std::lock_guard lock(c.mutex);
    c.windows.erase(lpPaint->hdc);
    return TRUE;
}

BOOL WINAPI DrawIcon(HDC hDC, int X, int Y, HICON hIcon) {
    Window* w = findWindow(windowOfContext(hDC));
    if (w == nullptr) {
        return fail(ERROR_INVALID_HANDLE);
    }
    if (findIcon(hIcon) == nullptr) {
        return fail(ERROR_INVALID_ICON_HANDLE);
    }
    w->drawnIcons.push_back({{X, Y}, hIcon});
    noteChange();
    return TRUE;
}

BOOL WINAPI InvalidateRect(HWND hWnd, const RECT*, BOOL) {
    Window* w = windowFor(hWnd);
    if (w == nullptr) {
        return FALSE;
    }
    // Only top-level windows go through the paint cycle; displays draw controls from their state.
    HWND root = rootOf(hWnd);
    if (Window* r = findWindow(root); r != nullptr && (r->style & 0x10000000) != 0) { // WS_VISIBLE
        r->queue->invalidate(root);
    }
    noteChange();
    return TRUE;
}

BOOL WINAPI UpdateWindow(HWND hWnd) {
    Window* w = windowFor(hWnd);
    if (w == nullptr) {
        return FALSE;
    }
    if (w->queue->needsPaint(hWnd)) {
        callProcedure(hWnd, WM_PAINT, 0, 0);
    }
    return TRUE;
}
