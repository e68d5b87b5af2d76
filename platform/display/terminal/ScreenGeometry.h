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

// The middle of a rectangle of pixels, where a click on what it shows is made.
POINT middleOf(const RECT& pixels);

} // namespace platform::terminal
