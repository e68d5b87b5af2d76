#include "platform/display/terminal/ScreenPainter.h"

#include "platform/display/terminal/MenuPainter.h"
#include "platform/display/terminal/TaskBarPainter.h"
#include "platform/display/terminal/ThreadWindows.h"
#include "platform/display/terminal/WindowPainter.h"
#include "platform/win/Menus.h"
#include "platform/win/Styles.h"

#include <algorithm>
#include <map>

namespace platform::terminal {
namespace {

bool isMenu(const Window& w) {
    return w.windowClass->name == "#32768";
}

bool shown(const Window* w) {
    return w != nullptr && !w->destroying && (w->style & WS_VISIBLE) != 0 &&
           (w->style & WS_MINIMIZE) == 0 && !isMenu(*w);
}

std::string sizeNotice(const std::string& program, SIZE needed, int columns, int rows) {
    std::string wanted = std::to_string(needed.cx) + "x" + std::to_string(needed.cy);
    std::string have = std::to_string(columns) + "x" + std::to_string(rows);
    std::string notice =
        program + " needs a terminal of at least " + wanted + "; this one is " + have + ".";
    if (static_cast<int>(notice.size()) > columns) {
        notice = "Needs " + wanted + "; is " + have + ".";
    }
    return notice;
}

} // namespace

ScreenPainter::ScreenPainter(std::string program) : program_(std::move(program)) {}

Picture ScreenPainter::paint(int columns, int rows) {
    Picture picture{Canvas(columns, rows), HitMap(columns, rows), std::nullopt, false};
    int workRows = rows - 1;
    SIZE room = clientRoom(columns, rows);
    std::vector<HWND> stack = threadTopLevelWindows();
    layouts_.keepOnly(stack);

    std::vector<std::pair<const Window*, const WindowCells*>> windows;
    SIZE needed{0, 0};
    for (HWND handle : stack) {
        const Window* w = findWindow(handle);
        if (!shown(w)) {
            continue;
        }
        const WindowCells& cells = layouts_.cellsOf(*w, room);
        windows.emplace_back(w, &cells);
        needed.cx = std::max<LONG>(needed.cx, cells.layout.minimum.cx + 2);
        needed.cy = std::max<LONG>(needed.cy, cells.layout.minimum.cy + 3);
        picture.tooSmall = picture.tooSmall || !cells.layout.fits;
    }
    if (picture.tooSmall) {
        picture.canvas.write(0, 0, sizeNotice(program_, needed, columns, rows), Role::Notice,
                             columns);
        return picture;
    }

    std::map<HWND, Placement> placed;
    for (auto [window, cells] : windows) {
        auto owner = placed.find(window->owner);
        CellRect outer = placeWindow(*window, cells->layout.client, columns, workRows,
                                     owner != placed.end() ? &owner->second : nullptr);
        std::optional<POINT> cursor;
        paintWindow(picture.canvas, picture.hits, *window, outer, *cells, cursor);
        placed[window->handle] = {outer, windowOnScreen(*window)};
        // A window drawn over the focused edit box hides its caret.
        if (cursor) {
            picture.cursor = cursor;
        } else if (picture.cursor && outer.contains(picture.cursor->x, picture.cursor->y)) {
            picture.cursor.reset();
        }
    }
    if (HWND menu = openMenuWindow()) {
        const Window* w = findWindow(menu);
        auto owner = w != nullptr ? placed.find(w->as<MenuState>().owner) : placed.end();
        CellRect client = owner != placed.end() ? clientOf(owner->second.outer) : CellRect{};
        POINT anchor{client.col, client.row};
        paintMenu(picture.canvas, picture.hits, menu, anchor, columns, workRows);
        picture.cursor.reset();
    }
    paintTaskBar(picture.canvas, picture.hits, taskBarWindows(stack), rows - 1);
    return picture;
}

} // namespace platform::terminal
