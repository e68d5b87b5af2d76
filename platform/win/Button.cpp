// The button control: push buttons, check boxes, radio buttons and group boxes.

#include "platform/win/Activation.h"
#include "platform/win/Constants.h"
#include "platform/win/Controls.h"
#include "platform/win/DialogNavigation.h"
#include "platform/win/Messages.h"
#include "platform/win/Styles.h"
#include "platform/win/User32.h"
#include "platform/win/Window.h"

namespace platform {
namespace {

UINT kindOf(const Window& w) { return w.style & BS_TYPEMASK; }

bool isRadio(UINT kind) { return kind == BS_RADIOBUTTON || kind == BS_AUTORADIOBUTTON; }

bool isCheckable(UINT kind) {
    return isRadio(kind) || kind == BS_CHECKBOX || kind == BS_AUTOCHECKBOX || kind == BS_3STATE ||
           kind == BS_AUTO3STATE;
}

// Ticks an automatic radio button and unticks the other radio buttons of its group.
void tickInGroup(HWND button) {
    Window* self = findWindow(button);
    Window* parent = findWindow(self->parent);
    std::vector<NavigationItem> items;
    size_t index = 0;
    for (size_t i = 0; i < parent->children.size(); ++i) {
        items.push_back({findWindow(parent->children[i])->style, true, false});
        if (parent->children[i] == button) {
            index = i;
        }
    }
    GroupRange group = groupOf(items, index);
    for (size_t i = group.first; i <= group.last; ++i) {
        HWND sibling = parent->children[i];
        if (sibling == button) {
            SendMessageA(sibling, BM_SETCHECK, BST_CHECKED, 0);
        } else if ((SendMessageA(sibling, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) != 0) {
            SendMessageA(sibling, BM_SETCHECK, BST_UNCHECKED, 0);
        }
    }
}

// What a click does: the automatic kinds change their tick first, then the parent hears of it.
void click(HWND button) {
    Window* w = findWindow(button);
    auto& state = w->as<ButtonState>();
    switch (kindOf(*w)) {
    case BS_AUTOCHECKBOX: SendMessageA(button, BM_SETCHECK, state.check == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED, 0); break;
    case BS_AUTO3STATE: SendMessageA(button, BM_SETCHECK, (state.check + 1) % 3, 0); break;
    case BS_AUTORADIOBUTTON: tickInGroup(button); break;
    default: break;
    }
    if ((w = findWindow(button)) != nullptr && w->isChild()) {
        SendMessageA(w->parent, WM_COMMAND, MAKEWPARAM(w->id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
    }
}

void setPushed(Window& w, bool pushed) {
    auto& state = w.as<ButtonState>();
    if (state.pushed != pushed) {
        state.pushed = pushed;
        noteChange();
    }
}

bool insideClient(HWND button, LPARAM at) {
    RECT client;
    GetClientRect(button, &client);
    int x = static_cast<short>(LOWORD(at));
    int y = static_cast<short>(HIWORD(at));
    return x >= client.left && x < client.right && y >= client.top && y < client.bottom;
}

} // namespace

LRESULT CALLBACK buttonProcedure(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* w = findWindow(hWnd);
    if (w == nullptr || w->stateIf<ButtonState>() == nullptr) {
        return DefWindowProcA(hWnd, message, wParam, lParam);
    }
    auto& state = w->as<ButtonState>();
    UINT kind = kindOf(*w);
    switch (message) {
    case WM_GETDLGCODE:
        switch (kind) {
        case BS_PUSHBUTTON: return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
        case BS_DEFPUSHBUTTON: return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
        case BS_RADIOBUTTON:
        case BS_AUTORADIOBUTTON: return DLGC_BUTTON | DLGC_RADIOBUTTON;
        case BS_GROUPBOX: return DLGC_STATIC;
        default: return DLGC_BUTTON;
        }
    case BM_GETCHECK: return isCheckable(kind) ? state.check : BST_UNCHECKED;
    case BM_SETCHECK:
        if (isCheckable(kind)) {
            int check = isRadio(kind) ? (wParam != 0 ? BST_CHECKED : BST_UNCHECKED) : static_cast<int>(wParam);
            if (check != state.check) {
                state.check = check;
                noteChange();
            }
        }
        return 0;
    case BM_GETSTATE:
        return state.check | (state.pushed ? BST_PUSHED : 0) | (GetFocus() == hWnd ? BST_FOCUS : 0);
    case BM_SETSTATE: setPushed(*w, wParam != 0); return 0;
    case BM_CLICK:
        if (kind != BS_GROUPBOX && IsWindowEnabled(hWnd)) {
            click(hWnd);
        }
        return 0;
    case WM_LBUTTONDOWN:
        if (kind == BS_GROUPBOX) {
            return 0;
        }
        state.tracking = true;
        setPushed(*w, true);
        SetCapture(hWnd);
        SetFocus(hWnd);
        return 0;
    case WM_LBUTTONUP:
        if (!state.tracking) {
            return 0;
        }
        state.tracking = false;
        setPushed(*w, false);
        ReleaseCapture();
        if (insideClient(hWnd, lParam)) {
            click(hWnd);
        }
        return 0;
    case WM_CAPTURECHANGED:
        state.tracking = false;
        setPushed(*w, false);
        return 0;
    case WM_KEYDOWN:
        if (wParam == VK_SPACE && kind != BS_GROUPBOX) {
            setPushed(*w, true);
        }
        return 0;
    case WM_KEYUP:
        if (wParam == VK_SPACE && state.pushed) {
            setPushed(*w, false);
            click(hWnd);
        }
        return 0;
    case WM_CHAR: return 0; // the space bar acts on key up; no character is wanted
    case WM_KILLFOCUS:
        setPushed(*w, false);
        noteChange();
        return 0;
    case WM_SETFOCUS:
    case WM_ENABLE: noteChange(); return 0;
    default: return DefWindowProcA(hWnd, message, wParam, lParam);
    }
}

} // namespace platform
