#pragma once
// Draws a top-level window: its frame, its title bar with the system-menu box at the left and
// the close box at the right, and its controls at the cells of its layout.

#include "platform/display/terminal/Canvas.h"
#include "platform/display/terminal/HitMap.h"
#include "platform/display/terminal/WindowCells.h"

#include <optional>

namespace platform::terminal {

// Where a window stands: its outer rectangle of cells, and the pixels it stands for.
struct Placement {
    CellRect outer;
    RECT pixels;
};

// The window's outer rectangle on a terminal of `columns` by `workRows` (the rows above the
// task bar), moved inside the terminal when it would stick out. Its middle goes where the
// middle of its pixels is; for a window with an owner on the screen, it keeps the same offset
// from its owner's middle, so that a box centred over its owner is drawn centred over it.
CellRect placeWindow(const Window& window, SIZE client, int columns, int workRows,
                     const Placement* owner = nullptr);
CellRect clientOf(const CellRect& outer);

void paintWindow(Canvas& canvas, HitMap& hits, const Window& window, const CellRect& outer,
                 const WindowCells& cells, std::optional<POINT>& cursor);

} // namespace platform::terminal
