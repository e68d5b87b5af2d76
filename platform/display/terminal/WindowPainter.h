#pragma once
// Draws a top-level window: its frame, its title bar with the system-menu box at the left and
// the close box at the right, and its controls at the cells of its layout.

#include "platform/display/terminal/Canvas.h"
#include "platform/display/terminal/HitMap.h"
#include "platform/display/terminal/WindowCells.h"

#include <optional>

namespace platform::terminal {

// The window's outer rectangle on a terminal of `columns` by `workRows` (the rows above the
// task bar): centred where the platform centred the window's pixels, and moved inside the
// terminal when it would stick out.
CellRect placeWindow(const Window& window, SIZE client, int columns, int workRows);
CellRect clientOf(const CellRect& outer);

void paintWindow(Canvas& canvas, HitMap& hits, const Window& window, const CellRect& outer,
                 const WindowCells& cells, std::optional<POINT>& cursor);

} // namespace platform::terminal
