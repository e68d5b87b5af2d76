#pragma once
// The cell layout of a top-level window's controls, made from the window tree: each child's
// place in dialog units (from its template, or from its pixels), its kind and its caption.
// A layout is made once for a window and a terminal size, so that texts which change later
// (read-out fields) never move the controls about.

#include "platform/display/terminal/CaptionText.h"
#include "platform/display/terminal/CellLayout.h"
#include "platform/win/Window.h"

#include <map>
#include <vector>

namespace platform::terminal {

ControlKind kindOf(const Window& control);
// The caption as the control shows it: static text with SS_NOPREFIX and edit boxes keep their
// ampersands.
Caption captionOf(const Window& control);

struct WindowCells {
    DialogLayout layout;
    std::vector<HWND> controls; // the children, in the order of layout.controls
};

// What the terminal offers a window's client area: the screen less the frame, the title row
// and the task bar.
SIZE clientRoom(int columns, int rows);

class LayoutCache {
public:
    // Call on the window's thread.
    const WindowCells& cellsOf(const Window& window, SIZE room);
    // Drops the layouts of windows that are gone.
    void keepOnly(const std::vector<HWND>& windows);

private:
    struct Entry {
        SIZE room;
        WindowCells cells;
    };
    std::map<HWND, Entry> entries_;
};

} // namespace platform::terminal
