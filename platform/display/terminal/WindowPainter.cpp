#include "platform/display/terminal/WindowPainter.h"

#include "platform/display/terminal/ControlPainter.h"
#include "platform/display/terminal/IconPictures.h"
#include "platform/display/terminal/ScreenGeometry.h"
#include "platform/win/Styles.h"

#include <algorithm>
#include <cmath>

namespace platform::terminal {
namespace {

constexpr int boxWidth = 3; // "[-]" and "[X]"

void paintTitleBar(Canvas& canvas, HitMap& hits, const Window& window, const CellRect& outer) {
    bool active = ThreadQueue::current().windows.active == window.handle;
    Role role = active ? Role::TitleActive : Role::TitleInactive;
    canvas.fill({outer.col, outer.row, outer.width, 1}, role);
    int textCol = outer.col + 1;
    int textEnd = outer.right() - 1;
    if ((window.style & WS_SYSMENU) != 0 && outer.width >= 2 * boxWidth + 2) {
        auto picture =
            iconPictureOf(window.smallIcon != nullptr ? window.smallIcon : window.bigIcon);
        char symbol = picture ? picture->symbol : '-';
        canvas.write(outer.col, outer.row, std::string{'[', symbol, ']'}, role);
        canvas.write(outer.right() - boxWidth, outer.row, "[X]", role);
        textCol = outer.col + boxWidth + 1;
        textEnd = outer.right() - boxWidth - 1;
        // The boxes are clicked where the platform's caption has them: the first and the last
        // caption-high square of the title bar.
        RECT client = clientOnScreen(window);
        LONG middle = client.top - pixelsPerRow / 2;
        hits.set({outer.col, outer.row, boxWidth, 1}, ClickTarget::at({client.left + 5, middle}));
        hits.set({outer.right() - boxWidth, outer.row, boxWidth, 1},
                 ClickTarget::at({client.right - 5, middle}));
    }
    canvas.write(textCol, outer.row, window.text, role, std::max(textEnd - textCol, 0));
}

} // namespace

CellRect placeWindow(const Window& window, SIZE client, int columns, int workRows,
                     const Placement* owner) {
    int width = client.cx + 2;
    int height = client.cy + 2;
    RECT pixels = windowOnScreen(window);
    double middleX = (pixels.left + pixels.right) / 2.0;
    double middleY = (pixels.top + pixels.bottom) / 2.0;
    double middleCol = middleX / pixelsPerColumn;
    double middleRow = middleY / pixelsPerRow;
    if (owner != nullptr) {
        const CellRect& o = owner->outer;
        middleCol = o.col + o.width / 2.0 +
                    (middleX - (owner->pixels.left + owner->pixels.right) / 2.0) / pixelsPerColumn;
        middleRow = o.row + o.height / 2.0 +
                    (middleY - (owner->pixels.top + owner->pixels.bottom) / 2.0) / pixelsPerRow;
    }
    int col = static_cast<int>(std::lround(middleCol - width / 2.0));
    int row = static_cast<int>(std::lround(middleRow - height / 2.0));
    col = std::clamp(col, 0, std::max(columns - width, 0));
    row = std::clamp(row, 0, std::max(workRows - height, 0));
    return {col, row, width, height};
}

CellRect clientOf(const CellRect& outer) {
    return {outer.col + 1, outer.row + 1, outer.width - 2, outer.height - 2};
}

void paintWindow(Canvas& canvas, HitMap& hits, const Window& window, const CellRect& outer,
                 const WindowCells& cells, std::optional<POINT>& cursor) {
    canvas.fill(outer, Role::Window);
    hits.set(outer, ClickTarget{});
    canvas.frame(outer, Role::Window);
    if ((window.style & WS_CAPTION) == WS_CAPTION) {
        paintTitleBar(canvas, hits, window, outer);
    }
    CellRect client = clientOf(outer);
    for (size_t i = 0; i < cells.controls.size(); ++i) {
        const Window* control = findWindow(cells.controls[i]);
        if (control == nullptr || (control->style & WS_VISIBLE) == 0) {
            continue;
        }
        CellRect at = cells.layout.controls[i];
        at.col += client.col;
        at.row += client.row;
        paintControl(canvas, hits, *control, at, cursor);
    }
}

} // namespace platform::terminal
