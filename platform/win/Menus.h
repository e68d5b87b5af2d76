#pragma once
// Menu objects behind HMENU values, and the system menu that a window opens from its title
// bar or with Alt+Space.

#include "platform/win/Types.h"

#include <string>
#include <vector>

namespace platform {

struct MenuItem {
    UINT flags = 0;
    UINT_PTR id = 0;
    std::string text;
    bool separator() const { return (flags & 0x800) != 0; } // MF_SEPARATOR
};

struct Menu {
    std::vector<MenuItem> items;
};

Menu* findMenu(HMENU handle);

// Shows the window's system menu under its title bar and lets the user choose from it with
// the mouse or the keyboard. Returns the chosen item's command, or 0 when the menu was closed
// without a choice.
UINT_PTR trackSystemMenu(HWND window);

// The open menu window of the calling thread, if a menu is being tracked.
HWND openMenuWindow();

} // namespace platform

namespace platform {

// Where item `index` of an open menu window lies, on the screen; empty for a bad index.
RECT menuItemRect(HWND menuWindow, int index);

} // namespace platform
