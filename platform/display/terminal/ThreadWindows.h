#pragma once
// The top-level windows that the calling thread owns, from the bottom of the stack to the top.
// The display draws and feeds the window thread's windows only: a window may be touched by its
// own thread alone.

#include "platform/win/Types.h"

#include <vector>

namespace platform::terminal {

std::vector<HWND> threadTopLevelWindows();

} // namespace platform::terminal
