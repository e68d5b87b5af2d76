#include "platform/display/terminal/TaskBarPainter.h"

#include "platform/display/terminal/IconPictures.h"
#include "platform/win/Styles.h"
#include "platform/win/ThreadQueue.h"
#include "platform/win/Window.h"

#include <algorithm>

namespace platform::terminal {
namespace {

constexpr int narrowest = 12;
constexpr int widest = 40;

// What the button shows for the window: the icon that its last paint drew while minimized
// (the program paints its own icon there), else the window's small or large icon.
char symbolOf(const Window& window) {
    HICON icon = window.smallIcon != nullptr ? window.smallIcon : window.bigIcon;
    if ((window.style & WS_MINIMIZE) != 0 && !window.drawnIcons.empty()) {
        icon = window.drawnIcons.front().icon;
    }
    auto picture = iconPictureOf(icon);
    return picture ? picture->symbol : '=';
}

// The window whose button stands for the active window: the active window itself, or the window
// at the end of its chain of owners (a message box's button is its owner's).
HWND buttonOfActive() {
    const Window* w = findWindow(ThreadQueue::current().windows.active);
    while (w != nullptr && w->owner != nullptr) {
        w = findWindow(w->owner);
    }
    return w != nullptr ? w->handle : nullptr;
}

} // namespace

std::vector<HWND> taskBarWindows(const std::vector<HWND>& topLevel) {
    std::vector<HWND> windows;
    for (HWND handle : topLevel) {
        const Window* w = findWindow(handle);
        if (w != nullptr && !w->destroying && (w->style & WS_VISIBLE) != 0 && w->owner == nullptr &&
            w->windowClass->name != "#32768") {
            windows.push_back(handle);
        }
    }
    std::sort(windows.begin(), windows.end(), [](HWND a, HWND b) {
        return reinterpret_cast<std::uintptr_t>(a) < reinterpret_cast<std::uintptr_t>(b);
    });
    return windows;
}

void paintTaskBar(Canvas& canvas, HitMap& hits, const std::vector<HWND>& windows, int row) {
    canvas.fill({0, row, canvas.width(), 1}, Role::TaskBar);
    hits.set({0, row, canvas.width(), 1}, ClickTarget{});
    if (windows.empty()) {
        return;
    }
    int share = canvas.width() / static_cast<int>(windows.size()) - 1;
    int col = 0;
    HWND active = buttonOfActive();
    for (HWND handle : windows) {
        const Window* w = findWindow(handle);
        std::string label = std::string(1, symbolOf(*w)) + " " + w->text;
        int width = std::clamp<int>(static_cast<int>(label.size()) + 2, narrowest,
                                    std::max(std::min(share, widest), 4));
        if (col + width > canvas.width()) {
            break;
        }
        Role role = handle == active ? Role::TaskButtonActive : Role::TaskButton;
        canvas.fill({col, row, width, 1}, role);
        canvas.put(col, row, U'[', role);
        canvas.write(col + 1, row, label, role, width - 2);
        canvas.put(col + width - 1, row, U']', role);
        hits.set({col, row, width, 1}, ClickTarget::taskButton(handle));
        col += width + 1;
    }
}

} // namespace platform::terminal
