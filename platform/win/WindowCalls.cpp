// Making and destroying windows, and reading and changing their properties.

#include "platform/win/Activation.h"
#include "platform/win/Constants.h"
#include "platform/win/LastError.h"
#include "platform/win/Messages.h"
#include "platform/win/Styles.h"
#include "platform/win/Threads.h"
#include "platform/win/User32.h"
#include "platform/win/Window.h"

#include <algorithm>
#include <cstring>

namespace platform {
namespace {

constexpr DWORD errorInvalidIndex = 1413;
constexpr DWORD errorAccessDenied = 5;
constexpr DWORD errorChildWithoutParent = 1406;

const WindowClass* classFromName(LPCSTR name) {
    if (name == nullptr) {
        return nullptr;
    }
    if (IS_INTRESOURCE(name)) {
        // The predefined class atoms that dialog templates use.
        switch (reinterpret_cast<ULONG_PTR>(name)) {
        case 0x0080: return findWindowClass("Button");
        case 0x0081: return findWindowClass("Edit");
        case 0x0082: return findWindowClass("Static");
        default: return nullptr;
        }
    }
    return findWindowClass(name);
}

void giveState(Window& window) {
    const std::string& name = window.windowClass->name;
    if (name == "Button") {
        window.state = ButtonState{};
    } else if (name == "Edit") {
        window.state = EditState{};
    } else if (name == "Static") {
        window.state = StaticState{};
    } else if (name == "#32770") {
        window.state = DialogState{};
    } else if (name == "#32768") {
        window.state = MenuState{};
    }
}

bool onThisThread(const Window& window) { return window.queue.get() == &ThreadQueue::current(); }

void sendDestroy(HWND handle) {
    callProcedure(handle, WM_DESTROY, 0, 0);
    if (Window* w = findWindow(handle)) {
        auto children = w->children;
        for (HWND child : children) {
            if (Window* c = findWindow(child)) {
                c->destroying = true;
                sendDestroy(child);
            }
        }
    }
}

void sendNonClientDestroy(HWND handle) {
    Window* w = findWindow(handle);
    if (w == nullptr) {
        return;
    }
    auto children = w->children;
    for (HWND child : children) {
        sendNonClientDestroy(child);
    }
    callProcedure(handle, WM_NCDESTROY, 0, 0);
    if ((w = findWindow(handle)) == nullptr) {
        return;
    }
    auto& state = w->queue->windows;
    if (state.focus == handle) {
        state.focus = nullptr;
    }
    if (state.capture == handle) {
        state.capture = nullptr;
    }
    if (state.active == handle) {
        state.active = nullptr;
    }
    w->queue->forgetWindow(handle);
    if (Window* parent = findWindow(w->parent); parent != nullptr && w->isChild()) {
        std::erase(parent->children, handle);
    }
    removeWindow(handle);
}

void moveTo(Window& window, RECT rect) {
    window.rect = rect;
    noteChange();
}

void minimize(Window& w) {
    if ((w.style & WS_MINIMIZE) != 0) {
        return;
    }
    SIZE iconic = screenMetrics().iconicClient;
    w.restoredRect = w.rect;
    w.style |= WS_MINIMIZE | WS_VISIBLE;
    // A minimized window leaves the screen; its task-bar button stands for it.
    w.rect = {-32000, -32000, -32000 + iconic.cx, -32000 + iconic.cy};
    noteChange();
    HWND handle = w.handle;
    callProcedure(handle, WM_SIZE, SIZE_MINIMIZED, MAKELPARAM(iconic.cx, iconic.cy));
    InvalidateRect(handle, nullptr, TRUE);
    if (GetActiveWindow() == handle) {
        activateNext(handle);
    }
}

void restore(Window& w) {
    if ((w.style & WS_MINIMIZE) == 0) {
        return;
    }
    w.style &= ~WS_MINIMIZE;
    w.rect = w.restoredRect;
    noteChange();
    RECT client = clientRect(w);
    callProcedure(w.handle, WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.right, client.bottom));
}

} // namespace
} // namespace platform

using namespace platform;

HWND WINAPI CreateWindowExA(DWORD dwExStyle, LPCSTR lpClassName, LPCSTR lpWindowName,
                            DWORD dwStyle, int X, int Y, int nWidth, int nHeight,
                            HWND hWndParent, HMENU hMenu, HINSTANCE hInstance, LPVOID lpParam) {
    const WindowClass* windowClass = classFromName(lpClassName);
    if (windowClass == nullptr) {
        return fail<HWND>(ERROR_CANNOT_FIND_WND_CLASS);
    }
    Window* parent = nullptr;
    if (hWndParent != nullptr) {
        parent = windowFor(hWndParent);
        if (parent == nullptr) {
            return nullptr;
        }
        if (!onThisThread(*parent)) {
            return fail<HWND>(errorAccessDenied);
        }
    } else if ((dwStyle & WS_CHILD) != 0) {
        return fail<HWND>(errorChildWithoutParent);
    }
    auto window = std::make_unique<Window>();
    window->queue = ThreadQueue::currentShared();
    window->windowClass = windowClass;
    window->procedure = windowClass->procedure;
    window->instance = hInstance;
    window->style = dwStyle & ~WS_VISIBLE; // shown once WM_CREATE has succeeded
    window->exStyle = dwExStyle;
    if ((dwStyle & WS_CHILD) != 0) {
        window->parent = hWndParent;
        window->id = reinterpret_cast<LONG_PTR>(hMenu);
    } else if (hWndParent != nullptr) {
        window->owner = rootOf(hWndParent);
    }
    window->rect = {X, Y, X + nWidth, Y + nHeight};
    giveState(*window);
    HWND handle = addWindow(std::move(window));
    if (parent != nullptr && (dwStyle & WS_CHILD) != 0) {
        parent->children.push_back(handle);
    }

    CREATESTRUCTA create{lpParam, hInstance, hMenu, hWndParent, nHeight, nWidth, Y, X,
                         static_cast<LONG>(dwStyle), lpWindowName, lpClassName, dwExStyle};
    if (callProcedure(handle, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&create)) == FALSE ||
        callProcedure(handle, WM_CREATE, 0, reinterpret_cast<LPARAM>(&create)) == -1) {
        DestroyWindow(handle);
        return fail<HWND>(ERROR_INVALID_PARAMETER);
    }
    if ((dwStyle & WS_VISIBLE) != 0 && IsWindow(handle)) {
        ShowWindow(handle, (dwStyle & WS_CHILD) != 0 ? SW_SHOWNA : SW_SHOW);
    }
    return IsWindow(handle) ? handle : nullptr;
}

BOOL WINAPI DestroyWindow(HWND hWnd) {
    Window* w = windowFor(hWnd);
    if (w == nullptr) {
        return FALSE;
    }
    if (!onThisThread(*w)) {
        return fail(errorAccessDenied);
    }
    if (w->destroying) {
        return TRUE;
    }
    w->destroying = true;
    if (!w->isChild()) {
        // Windows it owns go first, as they cannot outlive their owner.
        for (HWND other : topLevelWindows()) {
            Window* o = findWindow(other);
            if (o != nullptr && o->owner == hWnd) {
                DestroyWindow(other);
            }
        }
        if ((w->style & WS_VISIBLE) != 0) {
            w->style &= ~WS_VISIBLE;
            noteChange();
        }
        if (GetActiveWindow() == hWnd) {
            activateNext(hWnd);
        }
    }
    auto& state = ThreadQueue::current().windows;
    if (state.focus != nullptr && (state.focus == hWnd || isDescendant(hWnd, state.focus))) {
        SetFocus(nullptr);
    }
    if (state.capture != nullptr && (state.capture == hWnd || isDescendant(hWnd, state.capture))) {
        ReleaseCapture();
    }
    sendDestroy(hWnd);
    sendNonClientDestroy(hWnd);
    return TRUE;
}

BOOL WINAPI IsWindow(HWND hWnd) { return findWindow(hWnd) != nullptr ? TRUE : FALSE; }

LRESULT WINAPI CallWindowProcA(WNDPROC lpPrevWndFunc, HWND hWnd, UINT Msg, WPARAM wParam,
                               LPARAM lParam) {
    if (lpPrevWndFunc == nullptr) {
        return 0;
    }
    return lpPrevWndFunc(hWnd, Msg, wParam, lParam);
}

LONG_PTR WINAPI GetWindowLongPtrA(HWND hWnd, int nIndex) {
    Window* w = windowFor(hWnd);
    if (w == nullptr) {
        return 0;
    }
    switch (nIndex) {
    case GWLP_WNDPROC: return reinterpret_cast<LONG_PTR>(w->procedure);
    case GWLP_HINSTANCE: return reinterpret_cast<LONG_PTR>(w->instance);
    case GWLP_HWNDPARENT: return reinterpret_cast<LONG_PTR>(w->isChild() ? w->parent : w->owner);
    case GWLP_ID: return w->id;
    case GWL_STYLE: return static_cast<LONG_PTR>(static_cast<LONG>(w->style));
    case GWL_EXSTYLE: return static_cast<LONG_PTR>(static_cast<LONG>(w->exStyle));
    case GWLP_USERDATA: return w->userData;
    default: break;
    }
    if (auto* dialog = w->stateIf<DialogState>()) {
        if (nIndex == static_cast<int>(DWLP_MSGRESULT)) {
            return dialog->messageResult;
        }
        if (nIndex == static_cast<int>(DWLP_DLGPROC)) {
            return reinterpret_cast<LONG_PTR>(dialog->procedure);
        }
        if (nIndex == static_cast<int>(DWLP_USER)) {
            return dialog->user;
        }
    }
    return fail<LONG_PTR>(errorInvalidIndex);
}

LONG_PTR WINAPI SetWindowLongPtrA(HWND hWnd, int nIndex, LONG_PTR dwNewLong) {
    Window* w = windowFor(hWnd);
    if (w == nullptr) {
        return 0;
    }
    LONG_PTR previous = GetWindowLongPtrA(hWnd, nIndex);
    switch (nIndex) {
    case GWLP_WNDPROC: w->procedure = reinterpret_cast<WNDPROC>(dwNewLong); return previous;
    case GWLP_HINSTANCE: w->instance = reinterpret_cast<HINSTANCE>(dwNewLong); return previous;
    case GWLP_ID: w->id = dwNewLong; return previous;
    case GWL_STYLE: w->style = static_cast<DWORD>(dwNewLong); noteChange(); return previous;
    case GWL_EXSTYLE: w->exStyle = static_cast<DWORD>(dwNewLong); return previous;
    case GWLP_USERDATA: w->userData = dwNewLong; return previous;
    default: break;
    }
    if (auto* dialog = w->stateIf<DialogState>()) {
        if (nIndex == static_cast<int>(DWLP_MSGRESULT)) {
            dialog->messageResult = dwNewLong;
            return previous;
        }
        if (nIndex == static_cast<int>(DWLP_DLGPROC)) {
            dialog->procedure = reinterpret_cast<DLGPROC>(dwNewLong);
            return previous;
        }
        if (nIndex == static_cast<int>(DWLP_USER)) {
            dialog->user = dwNewLong;
            return previous;
        }
    }
    return fail<LONG_PTR>(errorInvalidIndex);
}

LONG WINAPI GetWindowLongA(HWND hWnd, int nIndex) {
    return static_cast<LONG>(GetWindowLongPtrA(hWnd, nIndex));
}

LONG WINAPI SetWindowLongA(HWND hWnd, int nIndex, LONG dwNewLong) {
    return static_cast<LONG>(SetWindowLongPtrA(hWnd, nIndex, dwNewLong));
}

HWND WINAPI GetParent(HWND hWnd) {
    Window* w = windowFor(hWnd);
    if (w == nullptr) {
        return nullptr;
    }
    if (w->isChild()) {
        return w->parent;
    }
    return (w->style & WS_POPUP) != 0 ? w->owner : nullptr;
}

int WINAPI GetClassNameA(HWND hWnd, LPSTR lpClassName, int nMaxCount) {
    Window* w = windowFor(hWnd);
    if (w == nullptr || lpClassName == nullptr || nMaxCount <= 0) {
        return 0;
    }
    const std::string& name = w->windowClass->name;
    int n = std::min<int>(static_cast<int>(name.size()), nMaxCount - 1);
    std::memcpy(lpClassName, name.data(), static_cast<size_t>(n));
    lpClassName[n] = '\0';
    return n;
}

BOOL WINAPI IsChild(HWND hWndParent, HWND hWnd) { return isDescendant(hWndParent, hWnd) ? TRUE : FALSE; }

HWND WINAPI GetWindow(HWND hWnd, UINT uCmd) {
    Window* w = windowFor(hWnd);
    if (w == nullptr) {
        return nullptr;
    }
    if (uCmd == GW_CHILD) {
        return w->children.empty() ? nullptr : w->children.front();
    }
    if (uCmd == GW_OWNER) {
        return w->isChild() ? nullptr : w->owner;
    }
    // Siblings: a parent's children in creation order, or top-level windows from the top down.
    std::vector<HWND> siblings;
    if (w->isChild()) {
        siblings = findWindow(w->parent)->children;
    } else {
        siblings = topLevelWindows();
        std::reverse(siblings.begin(), siblings.end());
    }
    auto it = std::find(siblings.begin(), siblings.end(), hWnd);
    switch (uCmd) {
    case GW_HWNDFIRST: return siblings.front();
    case GW_HWNDLAST: return siblings.back();
    case GW_HWNDNEXT: return (it + 1) == siblings.end() ? nullptr : *(it + 1);
    case GW_HWNDPREV: return it == siblings.begin() ? nullptr : *(it - 1);
    default: return fail<HWND>(ERROR_INVALID_PARAMETER);
    }
}

DWORD WINAPI GetWindowThreadProcessId(HWND hWnd, LPDWORD lpdwProcessId) {
    auto queue = queueOf(hWnd);
    if (!queue) {
        return fail<DWORD>(ERROR_INVALID_WINDOW_HANDLE);
    }
    if (lpdwProcessId != nullptr) {
        *lpdwProcessId = 1;
    }
    return queue->threadId();
}

BOOL WINAPI SetWindowTextA(HWND hWnd, LPCSTR lpString) {
    if (windowFor(hWnd) == nullptr) {
        return FALSE;
    }
    return static_cast<BOOL>(SendMessageA(hWnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(lpString)));
}

int WINAPI GetWindowTextA(HWND hWnd, LPSTR lpString, int nMaxCount) {
    if (lpString != nullptr && nMaxCount > 0) {
        lpString[0] = '\0';
    }
    if (windowFor(hWnd) == nullptr || lpString == nullptr || nMaxCount <= 0) {
        return 0;
    }
    return static_cast<int>(
        SendMessageA(hWnd, WM_GETTEXT, static_cast<WPARAM>(nMaxCount), reinterpret_cast<LPARAM>(lpString)));
}

int WINAPI GetWindowTextLengthA(HWND hWnd) {
    if (windowFor(hWnd) == nullptr) {
        return 0;
    }
    return static_cast<int>(SendMessageA(hWnd, WM_GETTEXTLENGTH, 0, 0));
}

BOOL WINAPI EnableWindow(HWND hWnd, BOOL bEnable) {
    Window* w = windowFor(hWnd);
    if (w == nullptr) {
        return FALSE;
    }
    BOOL wasDisabled = (w->style & WS_DISABLED) != 0 ? TRUE : FALSE;
    if ((bEnable != FALSE) == (wasDisabled == FALSE)) {
        return wasDisabled;
    }
    if (bEnable) {
        w->style &= ~WS_DISABLED;
    } else {
        w->style |= WS_DISABLED;
        callProcedure(hWnd, WM_CANCELMODE, 0, 0);
        // A disabled window cannot keep the keyboard focus.
        if (GetFocus() == hWnd) {
            SetFocus(nullptr);
        }
    }
    noteChange();
    callProcedure(hWnd, WM_ENABLE, bEnable ? TRUE : FALSE, 0);
    return wasDisabled;
}

BOOL WINAPI IsWindowEnabled(HWND hWnd) {
    Window* w = windowFor(hWnd);
    return w != nullptr && (w->style & WS_DISABLED) == 0 ? TRUE : FALSE;
}

BOOL WINAPI ShowWindow(HWND hWnd, int nCmdShow) {
    Window* w = windowFor(hWnd);
    if (w == nullptr) {
        return FALSE;
    }
    BOOL wasVisible = (w->style & WS_VISIBLE) != 0 ? TRUE : FALSE;
    switch (nCmdShow) {
    case SW_HIDE:
        if (wasVisible) {
            w->style &= ~WS_VISIBLE;
            noteChange();
            callProcedure(hWnd, WM_SHOWWINDOW, FALSE, 0);
            if (!w->isChild() && GetActiveWindow() == hWnd) {
                activateNext(hWnd);
            }
        }
        break;
    case SW_MINIMIZE:
    case SW_SHOWMINIMIZED:
    case SW_SHOWMINNOACTIVE:
        if (!w->isChild()) {
            minimize(*w);
        }
        break;
    default: {
        if (nCmdShow == SW_RESTORE || nCmdShow == SW_SHOWNORMAL) {
            restore(*w);
        }
        if (!wasVisible) {
            w->style |= WS_VISIBLE;
            noteChange();
            callProcedure(hWnd, WM_SHOWWINDOW, TRUE, 0);
        }
        if (!w->isChild()) {
            InvalidateRect(hWnd, nullptr, TRUE);
            bool activates = nCmdShow != SW_SHOWNA && nCmdShow != SW_SHOWNOACTIVATE;
            if (activates && (w->style & WS_DISABLED) == 0) {
                SetActiveWindow(hWnd);
            }
        }
        break;
    }
    }
    return wasVisible;
}

BOOL WINAPI IsWindowVisible(HWND hWnd) {
    // A window is visible only when it and all its ancestors carry the visible style.
    for (Window* w = findWindow(hWnd); w != nullptr; w = w->isChild() ? findWindow(w->parent) : nullptr) {
        if ((w->style & WS_VISIBLE) == 0) {
            return FALSE;
        }
        if (!w->isChild()) {
            return TRUE;
        }
    }
    return FALSE;
}

BOOL WINAPI IsIconic(HWND hWnd) {
    Window* w = findWindow(hWnd);
    return w != nullptr && (w->style & WS_MINIMIZE) != 0 ? TRUE : FALSE;
}

BOOL WINAPI GetClientRect(HWND hWnd, LPRECT lpRect) {
    Window* w = windowFor(hWnd);
    if (w == nullptr || lpRect == nullptr) {
        return FALSE;
    }
    *lpRect = clientRect(*w);
    return TRUE;
}

BOOL WINAPI GetWindowRect(HWND hWnd, LPRECT lpRect) {
    Window* w = windowFor(hWnd);
    if (w == nullptr || lpRect == nullptr) {
        return FALSE;
    }
    *lpRect = windowOnScreen(*w);
    return TRUE;
}

BOOL WINAPI MoveWindow(HWND hWnd, int X, int Y, int nWidth, int nHeight, BOOL) {
    Window* w = windowFor(hWnd);
    if (w == nullptr) {
        return FALSE;
    }
    moveTo(*w, {X, Y, X + nWidth, Y + nHeight});
    return TRUE;
}

BOOL WINAPI SetWindowPos(HWND hWnd, HWND, int X, int Y, int cx, int cy, UINT uFlags) {
    Window* w = windowFor(hWnd);
    if (w == nullptr) {
        return FALSE;
    }
    RECT r = w->rect;
    if ((uFlags & SWP_NOMOVE) == 0) {
        r = {X, Y, X + (r.right - r.left), Y + (r.bottom - r.top)};
    }
    if ((uFlags & SWP_NOSIZE) == 0) {
        r.right = r.left + cx;
        r.bottom = r.top + cy;
    }
    moveTo(*w, r);
    if ((uFlags & SWP_SHOWWINDOW) != 0) {
        ShowWindow(hWnd, (uFlags & SWP_NOACTIVATE) != 0 ? SW_SHOWNA : SW_SHOW);
    } else if ((uFlags & SWP_HIDEWINDOW) != 0) {
        ShowWindow(hWnd, SW_HIDE);
    }
    return TRUE;
}

BOOL WINAPI ClientToScreen(HWND hWnd, LPPOINT lpPoint) {
    Window* w = windowFor(hWnd);
    if (w == nullptr || lpPoint == nullptr) {
        return FALSE;
    }
    RECT client = clientOnScreen(*w);
    lpPoint->x += client.left;
    lpPoint->y += client.top;
    return TRUE;
}

BOOL WINAPI ScreenToClient(HWND hWnd, LPPOINT lpPoint) {
    Window* w = windowFor(hWnd);
    if (w == nullptr || lpPoint == nullptr) {
        return FALSE;
    }
    RECT client = clientOnScreen(*w);
    lpPoint->x -= client.left;
    lpPoint->y -= client.top;
    return TRUE;
}

int WINAPI GetSystemMetrics(int nIndex) {
    ScreenMetrics m = screenMetrics();
    switch (nIndex) {
    case SM_CXSCREEN: return m.screen.cx;
    case SM_CYSCREEN: return m.screen.cy;
    case SM_CYCAPTION: return 19;
    case SM_CXBORDER:
    case SM_CYBORDER: return 1;
    case SM_CXDLGFRAME:
    case SM_CYDLGFRAME: return 3;
    case SM_CXICON: return m.icon.cx;
    case SM_CYICON: return m.icon.cy;
    case SM_CXSMICON: return m.smallIcon.cx;
    case SM_CYSMICON: return m.smallIcon.cy;
    default: return 0;
    }
}

BOOL WINAPI SystemParametersInfoA(UINT uiAction, UINT, LPVOID pvParam, UINT) {
    if (uiAction != SPI_GETWORKAREA || pvParam == nullptr) {
        return fail(ERROR_INVALID_PARAMETER);
    }
    *static_cast<RECT*>(pvParam) = screenMetrics().workArea;
    return TRUE;
}
