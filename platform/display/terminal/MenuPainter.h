#pragma once
// Draws the open menu as a popup under its window's title bar: its items with their mnemonic
// letters underlined and their key names at the right, separators, and the selected item
// highlighted. A click on an item is a click on that item's pixels.

#include "platform/display/terminal/Canvas.h"
#include "platform/display/terminal/HitMap.h"
#include "platform/win/Menus.h"

namespace platform::terminal {

SIZE menuSize(const Menu& menu);

// `anchor` is the top left cell of the owner's client area.
void paintMenu(Canvas& canvas, HitMap& hits, HWND menuWindow, POINT anchor, int columns,
               int workRows);

} // namespace platform::terminal
