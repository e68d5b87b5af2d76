// The dialog keyboard: Tab and Shift+Tab over tab stops, arrows within a group, Enter to the
// default push button, Esc to the cancel command and F1 to help.

#include "platform/win/Activation.h"
#include "platform/win/Constants.h"
#include "platform/win/DialogNavigation.h"
#include "platform/win/Dialogs.h"
#include "platform/win/LastError.h"
#include "platform/win/Messages.h"
#include "platform/win/Styles.h"
#include "platform/win/User32.h"
#include "platform/win/Window.h"

#include <algorithm>

using namespace platform;

namespace {

struct DialogControls {
    std::vector<HWND> handles;
    std::vector<NavigationItem> items;
};

DialogControls controlsOf(HWND dialog) {
    DialogControls controls;
    for (HWND child : findWindow(dialog)->children) {
        Window* c = findWindow(child);
        bool isStatic = (SendMessageA(child, WM_GETDLGCODE, 0, 0) & DLGC_STATIC) != 0;
        bool available = (c->style & WS_VISIBLE) != 0 && (c->style & WS_DISABLED) == 0;
        controls.handles.push_back(child);
        controls.items.push_back({c->style, available, isStatic});
    }
    return controls;
}

std::optional<size_t> indexOf(const DialogControls& controls, HWND control) {
    auto it = std::find(controls.handles.begin(), controls.handles.end(), control);
    if (it == controls.handles.end()) {
        return std::nullopt;
    }
    return static_cast<size_t>(it - controls.handles.begin());
}

// The control of the dialog that holds `window`, which may be the window itself.
HWND controlHolding(HWND dialog, HWND window) {
    while (window != nullptr && GetParent(window) != dialog) {
        window = GetParent(window);
    }
    return window;
}

void pressDefaultButton(HWND dialog) {
    HWND focus = GetFocus();
    HWND button = nullptr;
    int id = IDOK;
    if (focus != nullptr && isDescendant(dialog, focus) &&
        (SendMessageA(focus, WM_GETDLGCODE, 0, 0) & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) != 0) {
        button = focus;
        id = GetDlgCtrlID(focus);
    } else {
        LRESULT defaultId = SendMessageA(dialog, DM_GETDEFID, 0, 0);
        if (HIWORD(defaultId) == DC_HASDEFID) {
            id = LOWORD(defaultId);
        }
        button = GetDlgItem(dialog, id);
    }
    if (button != nullptr && !IsWindowEnabled(button)) {
        return; // a disabled default button does not act
    }
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
}

void moveInGroup(HWND dialog, HWND from, bool previous) {
    HWND next = GetNextDlgGroupItem(dialog, from, previous);
    if (next == nullptr || next == from) {
        return;
    }
    LRESULT code = SendMessageA(next, WM_GETDLGCODE, 0, 0);
    if ((code & DLGC_RADIOBUTTON) != 0) {
        // Moving onto an automatic radio button ticks it, as a click would.
        SetFocus(next);
        Window* w = findWindow(next);
        if ((w->style & BS_TYPEMASK) == BS_AUTORADIOBUTTON && SendMessageA(next, BM_GETCHECK, 0, 0) == BST_UNCHECKED) {
            SendMessageA(next, BM_CLICK, 0, 0);
        }
        return;
    }
    SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(next), TRUE);
}

void askForHelp(HWND target) {
    HELPINFO info{};
    info.cbSize = sizeof info;
    info.iContextType = 1; // HELPINFO_WINDOW
    info.iCtrlId = GetDlgCtrlID(target);
    info.hItemHandle = target;
    SendMessageA(target, WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
}

bool handleKey(HWND dialog, const MSG& msg) {
    UINT key = static_cast<UINT>(msg.wParam);
    LRESULT code = SendMessageA(msg.hwnd, WM_GETDLGCODE, key, reinterpret_cast<LPARAM>(&msg));
    if ((code & DLGC_WANTALLKEYS) != 0) {
        return false;
    }
    bool shift = GetKeyState(VK_SHIFT) < 0;
    switch (key) {
    case VK_TAB:
        if ((code & DLGC_WANTTAB) != 0) {
            return false;
        }
        SendMessageA(dialog, WM_NEXTDLGCTL, shift ? 1 : 0, 0);
        return true;
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
        if ((code & DLGC_WANTARROWS) != 0) {
            return false;
        }
        if (HWND control = controlHolding(dialog, msg.hwnd)) {
            moveInGroup(dialog, control, key == VK_LEFT || key == VK_UP);
        }
        return true;
    case VK_RETURN: pressDefaultButton(dialog); return true;
    case VK_ESCAPE:
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDCANCEL)));
        return true;
    case VK_F1:
        if (shift || GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0) {
            return false;
        }
        askForHelp(msg.hwnd);
        return true;
    default: return false;
    }
}

} // namespace

BOOL WINAPI IsDialogMessageA(HWND hDlg, LPMSG lpMsg) {
    if (lpMsg == nullptr || findWindow(hDlg) == nullptr) {
        return FALSE;
    }
    if (lpMsg->hwnd != hDlg && !isDescendant(hDlg, lpMsg->hwnd)) {
        return FALSE;
    }
    if (lpMsg->message == WM_KEYDOWN && handleKey(hDlg, *lpMsg)) {
        return TRUE;
    }
    // Everything else for the dialog is translated and delivered here, as the caller expects
    // of a message the dialog has taken.
    TranslateMessage(lpMsg);
    DispatchMessageA(lpMsg);
    return TRUE;
}

HWND WINAPI GetNextDlgTabItem(HWND hDlg, HWND hCtl, BOOL bPrevious) {
    if (windowFor(hDlg) == nullptr) {
        return nullptr;
    }
    DialogControls controls = controlsOf(hDlg);
    auto from = hCtl != nullptr ? indexOf(controls, controlHolding(hDlg, hCtl)) : std::nullopt;
    auto next = nextTabStop(controls.items, from, bPrevious != FALSE);
    return next ? controls.handles[*next] : hCtl;
}

HWND WINAPI GetNextDlgGroupItem(HWND hDlg, HWND hCtl, BOOL bPrevious) {
    if (windowFor(hDlg) == nullptr) {
        return nullptr;
    }
    DialogControls controls = controlsOf(hDlg);
    auto from = indexOf(controls, controlHolding(hDlg, hCtl));
    if (!from) {
        return fail<HWND>(ERROR_INVALID_PARAMETER);
    }
    auto next = nextInGroup(controls.items, *from, bPrevious != FALSE);
    return next ? controls.handles[*next] : hCtl;
}
