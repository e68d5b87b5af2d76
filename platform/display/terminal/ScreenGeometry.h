#pragma once
// The terminal as the window system sees it: a screen of pixels, six to a column and nineteen
// (one caption's height) to a row, so that where the platform centres a window maps back to
// the middle of the terminal. The bottom row is the task bar; the rest is the work area.

#include "platform/display/Display.h"
#include "platform/win/Types.h"

namespace platform::terminal {

inline constexpr int pixelsPerColumn = 6;
inline constexpr int pixelsPerRow = 19;

ScreenMetrics metricsFor(int columns, int rows);

// The cell that holds a pixel point, and the middle pixel of a cell.
POINT cellOf(POINT pixel);
POINT middleOf(int col, int row);

} // namespace platform::terminal
