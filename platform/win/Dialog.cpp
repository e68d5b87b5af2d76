// Dialog creation from a template, the modal loop, and the default dialog procedure.

#include "platform/win/Activation.h"
#include "platform/win/Constants.h"
#include "platform/win/DialogTemplate.h"
#include "platform/win/Kernel32.h"
#include "platform/win/Dialogs.h"
#include "platform/win/LastError.h"
#include "platform/win/Messages.h"
#include "platform/win/Styles.h"
#include "platform/win/User32.h"
#include "platform/win/Window.h"

#include <algorithm>
#include <cstring>

namespace platform {
namespace {

constexpr DWORD errorControlIdNotFound = 1421;

// Pixels per four horizontal and eight vertical dialog units for a template's font.
SIZE baseUnitsFor(const DialogTemplateData& data) {
    if ((data.style & DS_SETFONT) == 0) {
        return {8, 16}; // the system font
    }
    int points = std::max<int>(data.pointSize, 1);
    return {std::max(1, (points * 6 + 4) / 8), std::max(1, (points * 13 + 4) / 8)};
}

RECT toPixels(SIZE units, short x, short y, short cx, short cy) {
    return {MulDiv(x, units.cx, 4), MulDiv(y, units.cy, 8), MulDiv(x + cx, units.cx, 4),
            MulDiv(y + cy, units.cy, 8)};
}

HWND createDialog(HINSTANCE instance, LPCDLGTEMPLATEA source, HWND owner, DLGPROC procedure,
                  LPARAM parameter, HWND disabledOwner) {
    auto data = readDialogTemplate(source);
    if (!data) {
        return fail<HWND>(ERROR_INVALID_PARAMETER);
    }
    SIZE units = baseUnitsFor(*data);
    RECT client = toPixels(units, data->x, data->y, data->cx, data->cy);
    Window probe;
    probe.style = data->style;
    RECT insets = nonClientInsets(probe);
    // A dialog's position counts from its owner's client area, unless it asks for the screen.
    POINT origin{0, 0};
    if (owner != nullptr && (data->style & DS_ABSALIGN) == 0) {
        ClientToScreen(owner, &origin);
    }
    int left = origin.x + client.left - insets.left;
    int top = origin.y + client.top - insets.top;
    int width = client.right - client.left + insets.left + insets.right;
    int height = client.bottom - client.top + insets.top + insets.bottom;
    HWND dialog = CreateWindowExA(data->exStyle, "#32770", data->caption.c_str(),
                                  data->style & ~WS_VISIBLE, left, top, width, height, owner,
                                  nullptr, instance, nullptr);
    if (dialog == nullptr) {
        return nullptr;
    }
    DialogState& state = *dialogState(dialog);
    state.procedure = procedure;
    state.baseUnits = units;
    state.disabledOwner = disabledOwner;
    findWindow(dialog)->templateUnits = RECT{data->x, data->y, data->x + data->cx, data->y + data->cy};

    for (const DialogItem& item : data->items) {
        RECT r = toPixels(units, item.x, item.y, item.cx, item.cy);
        std::string title = item.titleOrdinal ? "#" + std::to_string(*item.titleOrdinal) : item.title;
        HWND control = CreateWindowExA(item.exStyle, item.windowClass.c_str(), title.c_str(),
                                       item.style | WS_CHILD, r.left, r.top, r.right - r.left,
                                       r.bottom - r.top, dialog,
                                       reinterpret_cast<HMENU>(static_cast<UINT_PTR>(item.id)),
                                       instance, nullptr);
        if (control == nullptr) {
            if ((data->style & DS_NOFAILCREATE) == 0) {
                DestroyWindow(dialog);
                return nullptr;
            }
            continue;
        }
        findWindow(control)->templateUnits = RECT{item.x, item.y, item.x + item.cx, item.y + item.cy};
    }
    if ((data->style & DS_CENTER) != 0) {
        centreWindow(dialog, owner);
    }
    HWND firstTabStop = GetNextDlgTabItem(dialog, nullptr, FALSE);
    LRESULT wantsFocus = SendMessageA(dialog, WM_INITDIALOG, reinterpret_cast<WPARAM>(firstTabStop), parameter);
    if (!IsWindow(dialog)) {
        return nullptr;
    }
    // The first tab stop takes the focus when the initialisation leaves it to the system; a
    // dialog that is not shown yet gets it as it is activated.
    if (wantsFocus != 0 && firstTabStop != nullptr && IsWindow(firstTabStop)) {
        dialogState(dialog)->savedFocus = firstTabStop;
        if (GetActiveWindow() == dialog) {
            setDialogFocus(firstTabStop);
        }
    }
    return dialog;
}

void restoreFocus(HWND dialog) {
    DialogState* state = dialogState(dialog);
    HWND target = state->savedFocus;
    if (target == nullptr || !IsWindow(target) || !isDescendant(dialog, target) || !canTakeFocus(target)) {
        target = GetNextDlgTabItem(dialog, nullptr, FALSE);
    }
    if (target != nullptr) {
        setDialogFocus(target);
    }
}

INT_PTR runModalLoop(HWND dialog) {
    MSG msg;
    bool firstIdle = true;
    for (;;) {
        DialogState* state = dialogState(dialog);
        if (state == nullptr || state->ended) {
            break;
        }
        // The dialog appears the first time its loop finds nothing waiting, so that it is shown
        // only when fully set up.
        if (firstIdle && !PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            firstIdle = false;
            if (!IsWindowVisible(dialog)) {
                ShowWindow(dialog, SW_SHOWNORMAL);
            }
        }
        BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got == -1) {
            break;
        }
        if (got == FALSE) {
            PostQuitMessage(static_cast<int>(msg.wParam)); // the outer loop must see it too
            break;
        }
        if (!IsDialogMessageA(dialog, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    DialogState* state = dialogState(dialog);
    return state != nullptr && state->ended ? state->result : 0;
}

} // namespace

DialogState* dialogState(HWND dialog) {
    Window* w = findWindow(dialog);
    return w == nullptr ? nullptr : w->stateIf<DialogState>();
}

void centreWindow(HWND window, HWND reference) {
    RECT area = screenMetrics().workArea;
    RECT around = area;
    if (reference != nullptr && IsWindowVisible(reference) && !IsIconic(reference)) {
        GetWindowRect(reference, &around);
    }
    RECT r;
    GetWindowRect(window, &r);
    LONG width = r.right - r.left;
    LONG height = r.bottom - r.top;
    LONG left = (around.left + around.right - width) / 2;
    LONG top = (around.top + around.bottom - height) / 2;
    left = std::max(area.left, std::min(left, area.right - width));
    top = std::max(area.top, std::min(top, area.bottom - height));
    SetWindowPos(window, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void setDialogFocus(HWND control) {
    SetFocus(control);
    if ((SendMessageA(control, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) != 0) {
        SendMessageA(control, EM_SETSEL, 0, -1);
    }
}

} // namespace platform

using namespace platform;

HWND WINAPI CreateDialogIndirectParamA(HINSTANCE hInstance, LPCDLGTEMPLATEA lpTemplate,
                                       HWND hWndParent, DLGPROC lpDialogFunc, LPARAM dwInitParam) {
    HWND owner = hWndParent != nullptr ? rootOf(hWndParent) : nullptr;
    if (hWndParent != nullptr && owner == nullptr) {
        return fail<HWND>(ERROR_INVALID_WINDOW_HANDLE);
    }
    HWND dialog = createDialog(hInstance, lpTemplate, owner, lpDialogFunc, dwInitParam, nullptr);
    if (dialog != nullptr && (lpTemplate->style & WS_VISIBLE) != 0) {
        ShowWindow(dialog, SW_SHOWNORMAL);
    }
    return dialog;
}

INT_PTR WINAPI DialogBoxIndirectParamA(HINSTANCE hInstance, LPCDLGTEMPLATEA hDialogTemplate,
                                       HWND hWndParent, DLGPROC lpDialogFunc, LPARAM dwInitParam) {
    HWND owner = hWndParent != nullptr ? rootOf(hWndParent) : nullptr;
    if (hWndParent != nullptr && owner == nullptr) {
        return fail<INT_PTR>(ERROR_INVALID_WINDOW_HANDLE, -1);
    }
    // The owner is disabled before the dialog exists, so that the dialog's initialisation
    // already sees it as modal.
    HWND disabledOwner = nullptr;
    if (owner != nullptr && IsWindowEnabled(owner)) {
        EnableWindow(owner, FALSE);
        disabledOwner = owner;
    }
    HWND dialog = createDialog(hInstance, hDialogTemplate, owner, lpDialogFunc, dwInitParam, disabledOwner);
    if (dialog == nullptr) {
        if (disabledOwner != nullptr) {
            EnableWindow(disabledOwner, TRUE);
        }
        return -1;
    }
    INT_PTR result = runModalLoop(dialog);
    if (DialogState* state = dialogState(dialog); state != nullptr && state->disabledOwner != nullptr) {
        EnableWindow(state->disabledOwner, TRUE);
        state->disabledOwner = nullptr;
    }
    DestroyWindow(dialog);
    return result;
}

BOOL WINAPI EndDialog(HWND hDlg, INT_PTR nResult) {
    DialogState* state = dialogState(hDlg);
    if (state == nullptr) {
        return fail(ERROR_INVALID_WINDOW_HANDLE);
    }
    state->ended = true;
    state->result = nResult;
    // The owner comes back before the dialog goes, so that it is the window activated next.
    if (state->disabledOwner != nullptr) {
        HWND owner = state->disabledOwner;
        state->disabledOwner = nullptr;
        EnableWindow(owner, TRUE);
    }
    ShowWindow(hDlg, SW_HIDE);
    // The dialog's loop may be blocked waiting for input: a null message lets it see the end.
    PostMessageA(hDlg, WM_NULL, 0, 0);
    return TRUE;
}

LRESULT WINAPI DefDlgProcA(HWND hDlg, UINT Msg, WPARAM wParam, LPARAM lParam) {
    DialogState* state = dialogState(hDlg);
    if (state == nullptr) {
        return DefWindowProcA(hDlg, Msg, wParam, lParam);
    }
    if (state->procedure != nullptr) {
        state->messageResult = 0;
        INT_PTR handled = state->procedure(hDlg, Msg, wParam, lParam);
        state = dialogState(hDlg);
        switch (Msg) {
        case WM_INITDIALOG:
        case WM_QUERYDRAGICON: return handled; // these answer with the procedure's own result
        default:
            if (handled != 0) {
                return state != nullptr ? state->messageResult : 0;
            }
        }
        if (state == nullptr) {
            return 0;
        }
    }
    switch (Msg) {
    case WM_INITDIALOG: return 0;
    case WM_CLOSE: {
        HWND cancel = GetDlgItem(hDlg, IDCANCEL);
        if (cancel == nullptr || IsWindowEnabled(cancel)) {
            PostMessageA(hDlg, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), reinterpret_cast<LPARAM>(cancel));
        }
        return 0;
    }
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            HWND focus = GetFocus();
            if (focus != nullptr && isDescendant(hDlg, focus)) {
                state->savedFocus = focus;
            }
        } else if (!IsIconic(hDlg)) {
            restoreFocus(hDlg);
        }
        return 0;
    case WM_SETFOCUS: restoreFocus(hDlg); return 0;
    case DM_SETDEFID: state->defaultId = static_cast<int>(wParam); return TRUE;
    case DM_GETDEFID: {
        int id = state->defaultId;
        if (id == 0) {
            for (HWND child : findWindow(hDlg)->children) {
                Window* c = findWindow(child);
                if (c->windowClass->name == "Button" && (c->style & BS_TYPEMASK) == BS_DEFPUSHBUTTON) {
                    id = static_cast<int>(c->id);
                    break;
                }
            }
        }
        return id == 0 ? 0 : MAKELRESULT(id, DC_HASDEFID);
    }
    case WM_NEXTDLGCTL: {
        HWND target = LOWORD(lParam) != 0 ? reinterpret_cast<HWND>(wParam)
                                          : GetNextDlgTabItem(hDlg, GetFocus(), wParam != 0);
        if (target != nullptr) {
            setDialogFocus(target);
        }
        return 0;
    }
    default: return DefWindowProcA(hDlg, Msg, wParam, lParam);
    }
}

HWND WINAPI GetDlgItem(HWND hDlg, int nIDDlgItem) {
    Window* w = windowFor(hDlg);
    if (w == nullptr) {
        return nullptr;
    }
    for (HWND child : w->children) {
        if (static_cast<int>(findWindow(child)->id) == nIDDlgItem) {
            return child;
        }
    }
    return fail<HWND>(errorControlIdNotFound);
}

int WINAPI GetDlgCtrlID(HWND hWnd) {
    Window* w = windowFor(hWnd);
    return w == nullptr ? 0 : static_cast<int>(w->id);
}

LRESULT WINAPI SendDlgItemMessageA(HWND hDlg, int nIDDlgItem, UINT Msg, WPARAM wParam, LPARAM lParam) {
    HWND control = GetDlgItem(hDlg, nIDDlgItem);
    return control == nullptr ? 0 : SendMessageA(control, Msg, wParam, lParam);
}

BOOL WINAPI MapDialogRect(HWND hDlg, LPRECT lpRect) {
    DialogState* state = dialogState(hDlg);
    if (state == nullptr || lpRect == nullptr) {
        return fail(ERROR_INVALID_WINDOW_HANDLE);
    }
    *lpRect = {MulDiv(lpRect->left, state->baseUnits.cx, 4), MulDiv(lpRect->top, state->baseUnits.cy, 8),
               MulDiv(lpRect->right, state->baseUnits.cx, 4), MulDiv(lpRect->bottom, state->baseUnits.cy, 8)};
    return TRUE;
}

LONG WINAPI GetDialogBaseUnits(VOID) { return MAKELONG(8, 16); }
