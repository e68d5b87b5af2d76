#pragma once
// The bottom line of the terminal: one button for each window that has its own (a visible
// top-level window without an owner), with the window's icon character and caption; the
// active window's button is highlighted. A click on a button restores its minimized window.

#include "platform/display/terminal/Canvas.h"
#include "platform/display/terminal/HitMap.h"
#include "platform/win/Types.h"

#include <vector>

namespace platform::terminal {

// The windows that have a task-bar button, in the order they were made.
std::vector<HWND> taskBarWindows(const std::vector<HWND>& topLevel);

void paintTaskBar(Canvas& canvas, HitMap& hits, const std::vector<HWND>& windows, int row);

} // namespace platform::terminal
