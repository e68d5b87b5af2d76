// The static control: text that takes no input, and the icon picture.

#include "platform/win/Controls.h"
#include "platform/win/Messages.h"
#include "platform/win/Styles.h"
#include "platform/win/User32.h"
#include "platform/win/Window.h"

namespace platform {

LRESULT CALLBACK staticProcedure(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* w = findWindow(hWnd);
    if (w == nullptr || w->stateIf<StaticState>() == nullptr) {
        return DefWindowProcA(hWnd, message, wParam, lParam);
    }
    auto& state = w->as<StaticState>();
    bool isIcon = (w->style & SS_TYPEMASK) == SS_ICON;
    switch (message) {
    case WM_CREATE: {
        // An icon static names its icon resource where others have their text.
        auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        if (isIcon && create->lpszName != nullptr && create->lpszName[0] != '\0') {
            state.icon = LoadIconA(create->hInstance, create->lpszName);
            w->text.clear();
        }
        return 0;
    }
    case WM_GETDLGCODE: return DLGC_STATIC;
    case STM_SETICON: {
        HICON previous = state.icon;
        state.icon = reinterpret_cast<HICON>(wParam);
        noteChange();
        return reinterpret_cast<LRESULT>(previous);
    }
    case STM_GETICON: return reinterpret_cast<LRESULT>(state.icon);
    case WM_ENABLE: noteChange(); return 0;
    default: return DefWindowProcA(hWnd, message, wParam, lParam);
    }
}

} // namespace platform
