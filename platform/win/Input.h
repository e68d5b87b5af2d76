#pragma once
// Turns what a display reports (mouse buttons at screen points, keys, typed characters) into
// the mouse and keyboard messages of the window thread's queue, aimed as the system aims them:
// mouse input at the window under the pointer (or the one holding the capture), keys at the
// window with the focus (or the active window when none has it).

#include "platform/display/Display.h"

namespace platform {

InputSink& inputRouter();

// The window that a mouse press at this screen point reaches, and whether it lands in its
// client area; nullptr when it reaches no enabled window.
struct HitTarget {
    HWND window = nullptr;
    LRESULT hit = 0; // an HT... value from WM_NCHITTEST
};
HitTarget hitTest(POINT screen);

} // namespace platform
