#pragma once
// Activation and focus rules shared by showing, hiding, enabling and destroying windows.

#include "platform/win/Types.h"

namespace platform {

// Calls a window's procedure on the calling thread; 0 when the window is gone.
LRESULT callProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Activates the window that should follow when `leaving` stops being the active one: its owner
// when that can take it, else the highest visible, enabled, not minimized top-level window,
// else none.
void activateNext(HWND leaving);

// True when a window and all its ancestors are enabled and not minimized, so that it can hold
// the keyboard focus.
bool canTakeFocus(HWND window);

} // namespace platform
