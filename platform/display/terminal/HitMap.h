#pragma once
// What a mouse click on each cell of the screen means: a press at a pixel point of what is
// drawn there (the platform then hit-tests it like any click), a task-bar button, or nothing.

#include "platform/display/terminal/CellRect.h"
#include "platform/win/Types.h"

#include <vector>

namespace platform::terminal {

struct ClickTarget {
    enum class Kind { Nothing, Point, TaskButton };
    Kind kind = Kind::Nothing;
    POINT point{0, 0};     // Point: where on the screen, in pixels
    HWND window = nullptr; // TaskButton: the window the button stands for

    static ClickTarget at(POINT pixel) { return {Kind::Point, pixel, nullptr}; }
    static ClickTarget taskButton(HWND window) { return {Kind::TaskButton, {0, 0}, window}; }
};

class HitMap {
public:
    HitMap(int width, int height);

    void set(int col, int row, const ClickTarget& target);
    void set(const CellRect& area, const ClickTarget& target);
    const ClickTarget& at(int col, int row) const;

private:
    int width_;
    int height_;
    std::vector<ClickTarget> targets_;
};

} // namespace platform::terminal
