// The edit control: one line of text with a caret and a selection, scrolling sideways as the
// user types. It takes any character and sets no length limit.

#include "platform/win/Constants.h"
#include "platform/win/Controls.h"
#include "platform/win/Dialogs.h"
#include "platform/win/Messages.h"
#include "platform/win/Styles.h"
#include "platform/win/User32.h"
#include "platform/win/Window.h"

#include <algorithm>

namespace platform {
namespace {

constexpr int margin = 2; // pixels between the border and the first character

int characterWidth(const Window& w) {
    DialogState* dialog = dialogState(w.parent);
    return dialog != nullptr ? dialog->baseUnits.cx : 6;
}

int length(const Window& w) { return static_cast<int>(w.text.size()); }

void notifyParent(HWND edit, WORD code) {
    Window* w = findWindow(edit);
    if (w != nullptr && w->isChild()) {
        SendMessageA(w->parent, WM_COMMAND, MAKEWPARAM(w->id, code), reinterpret_cast<LPARAM>(edit));
    }
}

// Scrolls just enough to keep the caret in view.
void keepCaretVisible(Window& w) {
    auto& state = w.as<EditState>();
    int visible = std::max(1, (clientRect(w).right - 2 * margin) / characterWidth(w));
    if (state.caret < state.firstVisible) {
        state.firstVisible = state.caret;
    } else if (state.caret > state.firstVisible + visible) {
        state.firstVisible = state.caret - visible;
    }
    state.firstVisible = std::clamp(state.firstVisible, 0, length(w));
}

void select(Window& w, int anchor, int caret) {
    auto& state = w.as<EditState>();
    state.anchor = std::clamp(anchor, 0, length(w));
    state.caret = std::clamp(caret, 0, length(w));
    keepCaretVisible(w);
    noteChange();
}

void replaceSelection(HWND edit, const std::string& replacement) {
    Window* w = findWindow(edit);
    auto& state = w->as<EditState>();
    int start = state.selectionStart();
    w->text.replace(static_cast<size_t>(start), static_cast<size_t>(state.selectionEnd() - start), replacement);
    int caret = start + static_cast<int>(replacement.size());
    select(*w, caret, caret);
    notifyParent(edit, EN_UPDATE);
    notifyParent(edit, EN_CHANGE);
}

void deleteAround(HWND edit, bool forward) {
    Window* w = findWindow(edit);
    auto& state = w->as<EditState>();
    if (state.anchor == state.caret) {
        int other = forward ? state.caret + 1 : state.caret - 1;
        if (other < 0 || other > length(*w)) {
            return;
        }
        state.anchor = other;
    }
    replaceSelection(edit, "");
}

void moveCaret(Window& w, int to, bool extend) {
    auto& state = w.as<EditState>();
    select(w, extend ? state.anchor : to, to);
}

int characterAt(const Window& w, int x) {
    int width = characterWidth(w);
    int index = w.as<EditState>().firstVisible + (x - margin + width / 2) / width;
    return std::clamp(index, 0, length(w));
}

} // namespace

LRESULT CALLBACK editProcedure(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* w = findWindow(hWnd);
    if (w == nullptr || w->stateIf<EditState>() == nullptr) {
        return DefWindowProcA(hWnd, message, wParam, lParam);
    }
    auto& state = w->as<EditState>();
    bool shift = GetKeyState(VK_SHIFT) < 0;
    switch (message) {
    case WM_GETDLGCODE: return DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
    case WM_SETTEXT:
        w->text = lParam != 0 ? reinterpret_cast<LPCSTR>(lParam) : "";
        state = EditState{};
        noteChange();
        notifyParent(hWnd, EN_UPDATE);
        notifyParent(hWnd, EN_CHANGE);
        return TRUE;
    case EM_SETSEL: {
        int start = static_cast<int>(static_cast<INT_PTR>(wParam));
        int end = static_cast<int>(lParam);
        if (start == -1) {
            select(*w, state.caret, state.caret); // -1 removes the selection
            return 0;
        }
        if (end < 0) {
            end = length(*w);
        }
        select(*w, start, end);
        return 0;
    }
    case EM_GETSEL: {
        DWORD start = static_cast<DWORD>(state.selectionStart());
        DWORD end = static_cast<DWORD>(state.selectionEnd());
        if (wParam != 0) {
            *reinterpret_cast<DWORD*>(wParam) = start;
        }
        if (lParam != 0) {
            *reinterpret_cast<DWORD*>(lParam) = end;
        }
        return MAKELRESULT(start, end);
    }
    case EM_REPLACESEL: replaceSelection(hWnd, lParam != 0 ? reinterpret_cast<LPCSTR>(lParam) : ""); return 0;
    case EM_LIMITTEXT: return 0;
    case WM_LBUTTONDOWN: {
        SetFocus(hWnd);
        int at = characterAt(*w, static_cast<short>(LOWORD(lParam)));
        select(*w, at, at);
        return 0;
    }
    case WM_CHAR: {
        auto ch = static_cast<unsigned char>(wParam);
        if (ch == VK_BACK) {
            deleteAround(hWnd, false);
        } else if (ch >= 0x20 && ch != 0x7F) {
            replaceSelection(hWnd, std::string(1, static_cast<char>(ch)));
        }
        return 0;
    }
    case WM_KEYDOWN:
        switch (wParam) {
        case VK_LEFT: moveCaret(*w, state.anchor != state.caret && !shift ? state.selectionStart() : state.caret - 1, shift); break;
        case VK_RIGHT: moveCaret(*w, state.anchor != state.caret && !shift ? state.selectionEnd() : state.caret + 1, shift); break;
        case VK_HOME: moveCaret(*w, 0, shift); break;
        case VK_END: moveCaret(*w, length(*w), shift); break;
        case VK_DELETE: deleteAround(hWnd, true); break;
        default: break;
        }
        return 0;
    case WM_SETFOCUS:
        noteChange();
        notifyParent(hWnd, EN_SETFOCUS);
        return 0;
    case WM_KILLFOCUS:
        noteChange();
        notifyParent(hWnd, EN_KILLFOCUS);
        return 0;
    case WM_ENABLE: noteChange(); return 0;
    default: return DefWindowProcA(hWnd, message, wParam, lParam);
    }
}

} // namespace platform
