#pragma once
// Draws the whole terminal from the window tree: the top-level windows from the bottom of the
// stack to the top, the open menu over them, the task bar on the bottom line. A terminal too
// small for the windows shows one line that says how large it must be. Call on the window
// thread.

#include "platform/display/terminal/Canvas.h"
#include "platform/display/terminal/HitMap.h"
#include "platform/display/terminal/WindowCells.h"

#include <optional>
#include <string>

namespace platform::terminal {

struct Picture {
    Canvas canvas;
    HitMap hits;
    std::optional<POINT> cursor; // where the caret of the focused edit box stands
    bool tooSmall = false;
};

class ScreenPainter {
public:
    // `program` names the program in the line that asks for a larger terminal.
    explicit ScreenPainter(std::string program);

    Picture paint(int columns, int rows);

private:
    std::string program_;
    LayoutCache layouts_;
};

} // namespace platform::terminal
