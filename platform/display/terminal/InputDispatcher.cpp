#include "platform/display/terminal/InputDispatcher.h"

#include "platform/display/terminal/ThreadWindows.h"
#include "platform/win/Constants.h"
#include "platform/win/Menus.h"
#include "platform/win/Messages.h"
#include "platform/win/Styles.h"
#include "platform/win/User32.h"
#include "platform/win/Window.h"

namespace platform::terminal {
namespace {

// A point that no window covers: a click there only closes an open menu.
constexpr POINT nowhere{-1, -1};

bool isMenu(const Window& w) {
    return w.windowClass->name == "#32768";
}

// The visible top-level windows, from the top of the stack down.
std::vector<Window*> visibleWindows() {
    std::vector<Window*> windows;
    auto stack = threadTopLevelWindows();
    for (auto it = stack.rbegin(); it != stack.rend(); ++it) {
        Window* w = findWindow(*it);
        if (w != nullptr && !w->destroying && (w->style & WS_VISIBLE) != 0 && !isMenu(*w)) {
            windows.push_back(w);
        }
    }
    return windows;
}

void restore(HWND window) {
    PostMessageA(window, WM_SYSCOMMAND, SC_RESTORE, 0);
}

// The window whose close box Ctrl+C stands for: the active one, else the topmost that has one.
HWND closeTarget() {
    if (HWND active = ThreadQueue::current().windows.active) {
        return rootOf(active);
    }
    for (Window* w : visibleWindows()) {
        if ((w->style & WS_SYSMENU) != 0) {
            return w->handle;
        }
    }
    return nullptr;
}

// The minimized window that Enter brings back: only when no window is shown to take the key.
HWND minimizedAlone() {
    HWND minimized = nullptr;
    for (Window* w : visibleWindows()) {
        if ((w->style & WS_MINIMIZE) == 0) {
            return nullptr;
        }
        if (minimized == nullptr) {
            minimized = w->handle;
        }
    }
    return minimized;
}

} // namespace

void InputDispatcher::deliver(const TerminalEvent& event, const HitMap& screen, InputSink& sink) {
    if (const auto* k = std::get_if<KeyEvent>(&event)) {
        key(*k, sink);
    } else if (const auto* c = std::get_if<CharEvent>(&event)) {
        sink.character(c->ch, c->modifiers);
    } else if (const auto* m = std::get_if<MouseEvent>(&event)) {
        click(*m, screen, sink);
    } else if (HWND target = closeTarget()) {
        PostMessageA(target, WM_SYSCOMMAND, SC_CLOSE, 0);
    }
}

void InputDispatcher::key(const KeyEvent& key, InputSink& sink) {
    if (key.key == VK_RETURN) {
        if (HWND minimized = minimizedAlone()) {
            restore(minimized);
            return;
        }
    }
    // A terminal reports presses only; the key comes up at once.
    sink.key(key.key, true, key.modifiers);
    sink.key(key.key, false, key.modifiers);
}

void InputDispatcher::click(const MouseEvent& mouse, const HitMap& screen, InputSink& sink) {
    const ClickTarget& target = screen.at(mouse.col, mouse.row);
    if (mouse.down) {
        pressed_ = target;
        if (target.kind == ClickTarget::Kind::Point) {
            sink.mouseButton(target.point, true);
        } else if (openMenuWindow() != nullptr) {
            sink.mouseButton(nowhere, true);
        }
        return;
    }
    ClickTarget pressed = pressed_;
    pressed_ = {};
    if (pressed.kind == ClickTarget::Kind::TaskButton) {
        Window* w = findWindow(pressed.window);
        bool same = target.kind == ClickTarget::Kind::TaskButton && target.window == pressed.window;
        if (same && w != nullptr && (w->style & WS_MINIMIZE) != 0) {
            restore(pressed.window);
        }
    } else if (pressed.kind == ClickTarget::Kind::Point) {
        sink.mouseButton(target.kind == ClickTarget::Kind::Point ? target.point : nowhere, false);
    }
}

} // namespace platform::terminal
