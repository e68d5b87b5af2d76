#pragma once
// The window object behind an HWND and the table of all windows. A window is touched only by
// the thread that made it; other threads may look up which queue a handle belongs to.

#include "platform/win/ControlState.h"
#include "platform/win/ThreadQueue.h"
#include "platform/win/Types.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace platform {

struct WindowClass {
    std::string name;
    WNDPROC procedure = nullptr;
};

// The built-in classes: "Button", "Static", "Edit", "#32770" (dialogs), "#32768" (menus).
const WindowClass* findWindowClass(std::string_view name);
const WindowClass& dialogClass();
const WindowClass& menuClass();

struct IconDrawing {
    POINT at;
    HICON icon;
};

struct Window {
    HWND handle = nullptr;
    std::shared_ptr<ThreadQueue> queue;
    const WindowClass* windowClass = nullptr;
    WNDPROC procedure = nullptr;
    HINSTANCE instance = nullptr;
    DWORD style = 0;
    DWORD exStyle = 0;
    LONG_PTR id = 0;
    LONG_PTR userData = 0;
    HWND parent = nullptr; // child windows
    HWND owner = nullptr;  // top-level windows
    std::vector<HWND> children; // creation order: first on top, first in tab order
    // The window rectangle: on the screen for a top-level window, in the parent's client area
    // for a child.
    RECT rect{};
    RECT restoredRect{}; // where a minimized window returns to
    std::string text;
    HICON bigIcon = nullptr;
    HICON smallIcon = nullptr;
    HFONT font = nullptr;
    HMENU systemMenu = nullptr;
    std::optional<RECT> templateUnits; // where a dialog template placed it, in dialog units
    std::vector<IconDrawing> drawnIcons; // what the last paint drew, in client coordinates
    bool destroying = false;
    std::variant<std::monostate, ButtonState, EditState, StaticState, DialogState, MenuState>
        state;

    bool isChild() const { return (style & 0x40000000) != 0; } // WS_CHILD
    template <class State> State& as() { return std::get<State>(state); }
    template <class State> const State& as() const { return std::get<State>(state); }
    template <class State> State* stateIf() { return std::get_if<State>(&state); }
    template <class State> const State* stateIf() const { return std::get_if<State>(&state); }
};

// The window behind a handle, or nullptr (with ERROR_INVALID_WINDOW_HANDLE recorded) when the
// handle names no window. Dereference the result on the window's own thread only.
Window* windowFor(HWND handle);
// The same without recording an error.
Window* findWindow(HWND handle);
HWND addWindow(std::unique_ptr<Window> window);
void removeWindow(HWND handle);
std::shared_ptr<ThreadQueue> queueOf(HWND handle);

// Top-level windows from the bottom of the stack to the top.
std::vector<HWND> topLevelWindows();
void bringToTop(HWND handle);

bool isDescendant(HWND ancestor, HWND window);
HWND rootOf(HWND window);

// Frame and caption thickness: what separates the window rectangle from its client area.
RECT nonClientInsets(const Window& window);
RECT clientRect(const Window& window);   // at 0, 0
RECT clientOnScreen(const Window& window);
RECT windowOnScreen(const Window& window);

// Where a screen point falls on a window: HTNOWHERE outside it, HTCLIENT in its client area,
// else the part of its frame (caption, close box, system-menu box, border).
LRESULT nonClientHit(const Window& window, POINT at);

// Every visible change bumps a counter, so the display draws only when something changed.
void noteChange();
unsigned changeCount();

} // namespace platform
