#pragma once
// Steps of the dialog manager that several calls share.

#include "platform/win/ControlState.h"
#include "platform/win/Types.h"

namespace platform {

DialogState* dialogState(HWND dialog);

// Places a window's centre over the centre of `reference`, or of the work area when there is
// no reference or it is hidden or minimized, then moves it inside the work area; a window
// larger than the work area is aligned with the work area's left and top edges.
void centreWindow(HWND window, HWND reference);

// Gives a dialog control the focus the way the dialog keyboard does: an edit box has all its
// text selected.
void setDialogFocus(HWND control);

} // namespace platform
