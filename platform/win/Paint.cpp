// Painting: the paint cycle of a window and the one drawing call the program makes.

#include "platform/win/Activation.h"
#include "platform/win/Constants.h"
#include "platform/win/HandleTable.h"
#include "platform/win/Icons.h"
#include "platform/win/LastError.h"
#include "platform/win/Messages.h"
#include "platform/win/User32.h"
#include "platform/win/Window.h"


using namespace platform;

namespace {

// A device context stands for the window it paints; it lives from BeginPaint to EndPaint.
struct PaintContext {
    HWND window;
};

HandleTable<HDC, PaintContext>& contexts() {
    static HandleTable<HDC, PaintContext> instance(0x40000);
    return instance;
}

HWND windowOfContext(HDC dc) {
    auto context = contexts().find(dc);
    return context ? context->window : nullptr;
}

} // namespace

HDC WINAPI BeginPaint(HWND hWnd, LPPAINTSTRUCT lpPaint) {
    Window* w = windowFor(hWnd);
    if (w == nullptr || lpPaint == nullptr) {
        return nullptr;
    }
    HDC dc = contexts().add(std::make_shared<PaintContext>(PaintContext{hWnd}));
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
    contexts().remove(lpPaint->hdc);
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
