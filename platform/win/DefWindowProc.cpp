// What a window does with a message its own procedure leaves to the system.

#include "platform/win/Activation.h"
#include "platform/win/Constants.h"
#include "platform/win/Menus.h"
#include "platform/win/Messages.h"
#include "platform/win/Styles.h"
#include "platform/win/User32.h"
#include "platform/win/Window.h"

#include <algorithm>
#include <cstring>

using namespace platform;

namespace {

// The window whose close box the left button went down on, until it comes up.
thread_local HWND closeBoxPressedIn = nullptr;

void systemCommand(HWND window, UINT command, LPARAM lParam) {
    switch (command) {
    case SC_CLOSE: SendMessageA(window, WM_CLOSE, 0, 0); break;
    case SC_MINIMIZE: ShowWindow(window, SW_MINIMIZE); break;
    case SC_RESTORE: ShowWindow(window, SW_RESTORE); break;
    case SC_KEYMENU:
        if (lParam != ' ') {
            break;
        }
        [[fallthrough]];
    case SC_MOUSEMENU:
        if (UINT_PTR chosen = trackSystemMenu(window)) {
            // The choice arrives once the menu's own loop has ended, as on the real system.
            PostMessageA(window, WM_SYSCOMMAND, chosen, 0);
        }
        break;
    default: break; // moving and sizing by keyboard or mouse are not offered
    }
}

int copyText(const std::string& text, WPARAM size, LPARAM buffer) {
    if (size == 0 || buffer == 0) {
        return 0;
    }
    auto* out = reinterpret_cast<char*>(buffer);
    size_t n = std::min<size_t>(text.size(), size - 1);
    std::memcpy(out, text.data(), n);
    out[n] = '\0';
    return static_cast<int>(n);
}

} // namespace

LRESULT WINAPI DefWindowProcA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
    Window* w = findWindow(hWnd);
    if (w == nullptr) {
        return 0;
    }
    switch (Msg) {
    case WM_NCCREATE: {
        auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        if (create != nullptr && create->lpszName != nullptr && !IS_INTRESOURCE(create->lpszName)) {
            w->text = create->lpszName;
        }
        return TRUE;
    }
    case WM_SETTEXT:
        w->text = lParam != 0 ? reinterpret_cast<LPCSTR>(lParam) : "";
        noteChange();
        return TRUE;
    case WM_GETTEXT: return copyText(w->text, wParam, lParam);
    case WM_GETTEXTLENGTH: return static_cast<LRESULT>(w->text.size());
    case WM_CLOSE: DestroyWindow(hWnd); return 0;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        BeginPaint(hWnd, &paint);
        EndPaint(hWnd, &paint);
        return 0;
    }
    case WM_ERASEBKGND:
    case WM_ICONERASEBKGND: return 1;
    case WM_SETICON: {
        HICON& slot = wParam == ICON_SMALL ? w->smallIcon : w->bigIcon;
        HICON previous = slot;
        slot = reinterpret_cast<HICON>(lParam);
        noteChange();
        return reinterpret_cast<LRESULT>(previous);
    }
    case WM_GETICON: return reinterpret_cast<LRESULT>(wParam == ICON_SMALL ? w->smallIcon : w->bigIcon);
    case WM_SETFONT: w->font = reinterpret_cast<HFONT>(wParam); return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(w->font);
    case WM_ACTIVATE:
        // An activated window takes the focus, unless a window inside it already has it.
        if (LOWORD(wParam) != WA_INACTIVE && (w->style & WS_MINIMIZE) == 0) {
            HWND focus = GetFocus();
            if (focus != hWnd && !isDescendant(hWnd, focus)) {
                SetFocus(hWnd);
            }
        }
        return 0;
    case WM_NCACTIVATE: return TRUE;
    case WM_SYSCOMMAND: systemCommand(hWnd, static_cast<UINT>(wParam & 0xFFF0), lParam); return 0;
    case WM_SYSKEYDOWN:
        if (wParam == VK_F4 && (HIWORD(lParam) & 0x2000) != 0) { // Alt+F4
            PostMessageA(rootOf(hWnd), WM_SYSCOMMAND, SC_CLOSE, 0);
        }
        return 0;
    case WM_SYSCHAR:
        if (wParam == ' ') {
            SendMessageA(rootOf(hWnd), WM_SYSCOMMAND, SC_KEYMENU, ' ');
        }
        return 0;
    case WM_NCHITTEST: {
        POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        return nonClientHit(*w, at);
    }
    case WM_NCLBUTTONDOWN:
        // The close box acts when the button comes up on it again; the system menu opens at once.
        closeBoxPressedIn = wParam == HTCLOSE ? hWnd : nullptr;
        if (wParam == HTSYSMENU) {
            SendMessageA(hWnd, WM_SYSCOMMAND, SC_MOUSEMENU + HTSYSMENU, lParam);
        }
        return 0;
    case WM_NCLBUTTONUP:
        if (wParam == HTCLOSE && closeBoxPressedIn == hWnd) {
            closeBoxPressedIn = nullptr;
            SendMessageA(hWnd, WM_SYSCOMMAND, SC_CLOSE, lParam);
        }
        closeBoxPressedIn = nullptr;
        return 0;
    case WM_HELP:
        // Help asked for in a control is a question for the window that holds it.
        if (w->isChild()) {
            return SendMessageA(w->parent, WM_HELP, wParam, lParam);
        }
        return 0;
    case WM_CANCELMODE:
        if (GetCapture() == hWnd) {
            ReleaseCapture();
        }
        return 0;
    default: return 0;
    }
}
