#include "platform/win/Window.h"

#include "platform/win/Constants.h"
#include "platform/win/Controls.h"
#include "platform/win/LastError.h"
#include "platform/win/Messages.h"
#include "platform/win/Styles.h"
#include "platform/win/User32.h"

#include <algorithm>
#include <atomic>
#include <cctype>
#include <mutex>
#include <unordered_map>

namespace platform {
namespace {

bool sameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

const std::vector<WindowClass>& builtInClasses() {
    static const std::vector<WindowClass> classes{
        {"Button", buttonProcedure}, {"Static", staticProcedure}, {"Edit", editProcedure},
        {"#32770", DefDlgProcA},     {"#32768", menuProcedure},
    };
    return classes;
}

struct Table {
    std::mutex mutex;
    std::unordered_map<HWND, std::unique_ptr<Window>> windows;
    std::vector<HWND> stack; // top-level windows, bottom first
    std::uintptr_t nextValue = 0x20000;
};

Table& table() {
    static Table instance;
    return instance;
}

std::atomic<unsigned> changes{0};

} // namespace

const WindowClass* findWindowClass(std::string_view name) {
    for (const auto& c : builtInClasses()) {
        if (sameName(c.name, name)) {
            return &c;
        }
    }
    return nullptr;
}

const WindowClass& dialogClass() { return *findWindowClass("#32770"); }
const WindowClass& menuClass() { return *findWindowClass("#32768"); }

Window* findWindow(HWND handle) {
    if (handle == nullptr) {
        return nullptr;
    }
    auto& t = table();
    std::lock_guard lock(t.mutex);
    auto it = t.windows.find(handle);
    return it == t.windows.end() ? nullptr : it->second.get();
}

Window* windowFor(HWND handle) {
    Window* window = findWindow(handle);
    if (window == nullptr) {
        fail(ERROR_INVALID_WINDOW_HANDLE);
    }
    return window;
}

HWND addWindow(std::unique_ptr<Window> window) {
    auto& t = table();
    std::lock_guard lock(t.mutex);
    // Handle values are never reused, so a stale handle fails instead of naming a new window.
    HWND handle = reinterpret_cast<HWND>(t.nextValue);
    t.nextValue += 2;
    window->handle = handle;
    if (!window->isChild()) {
        t.stack.push_back(handle);
    }
    t.windows.emplace(handle, std::move(window));
    noteChange();
    return handle;
}

void removeWindow(HWND handle) {
    std::unique_ptr<Window> gone;
    {
        auto& t = table();
        std::lock_guard lock(t.mutex);
        auto it = t.windows.find(handle);
        if (it == t.windows.end()) {
            return;
        }
        gone = std::move(it->second);
        t.windows.erase(it);
        std::erase(t.stack, handle);
    }
    noteChange();
}

std::shared_ptr<ThreadQueue> queueOf(HWND handle) {
    auto& t = table();
    std::lock_guard lock(t.mutex);
    auto it = t.windows.find(handle);
    return it == t.windows.end() ? nullptr : it->second->queue;
}

std::vector<HWND> topLevelWindows() {
    auto& t = table();
    std::lock_guard lock(t.mutex);
    return t.stack;
}

void bringToTop(HWND handle) {
    auto& t = table();
    std::lock_guard lock(t.mutex);
    auto it = std::find(t.stack.begin(), t.stack.end(), handle);
    if (it != t.stack.end()) {
        t.stack.erase(it);
        t.stack.push_back(handle);
    }
    noteChange();
}

bool isDescendant(HWND ancestor, HWND window) {
    Window* w = findWindow(window);
    while (w != nullptr && w->isChild()) {
        if (w->parent == ancestor) {
            return true;
        }
        w = findWindow(w->parent);
    }
    return false;
}

HWND rootOf(HWND window) {
    Window* w = findWindow(window);
    while (w != nullptr && w->isChild()) {
        w = findWindow(w->parent);
    }
    return w == nullptr ? nullptr : w->handle;
}

RECT nonClientInsets(const Window& window) {
    RECT insets{0, 0, 0, 0};
    if ((window.style & WS_MINIMIZE) != 0) {
        return insets;
    }
    LONG frame = 0;
    if (!window.isChild() &&
        ((window.style & (WS_DLGFRAME | WS_THICKFRAME)) != 0 || (window.style & DS_MODALFRAME) != 0)) {
        frame = 3;
    } else if ((window.style & WS_BORDER) != 0) {
        frame = 1;
    }
    insets = {frame, frame, frame, frame};
    if (!window.isChild() && (window.style & WS_CAPTION) == WS_CAPTION) {
        insets.top += 19;
    }
    return insets;
}

RECT clientRect(const Window& window) {
    RECT insets = nonClientInsets(window);
    LONG width = window.rect.right - window.rect.left - insets.left - insets.right;
    LONG height = window.rect.bottom - window.rect.top - insets.top - insets.bottom;
    return {0, 0, std::max<LONG>(width, 0), std::max<LONG>(height, 0)};
}

RECT windowOnScreen(const Window& window) {
    RECT r = window.rect;
    if (window.isChild()) {
        if (Window* parent = findWindow(window.parent)) {
            RECT origin = clientOnScreen(*parent);
            r.left += origin.left;
            r.right += origin.left;
            r.top += origin.top;
            r.bottom += origin.top;
        }
    }
    return r;
}

RECT clientOnScreen(const Window& window) {
    RECT outer = windowOnScreen(window);
    RECT insets = nonClientInsets(window);
    RECT client = clientRect(window);
    LONG left = outer.left + insets.left;
    LONG top = outer.top + insets.top;
    return {left, top, left + client.right, top + client.bottom};
}

LRESULT nonClientHit(const Window& w, POINT at) {
    RECT outer = windowOnScreen(w);
    if (at.x < outer.left || at.x >= outer.right || at.y < outer.top || at.y >= outer.bottom) {
        return HTNOWHERE;
    }
    RECT client = clientOnScreen(w);
    if (at.x >= client.left && at.x < client.right && at.y >= client.top && at.y < client.bottom) {
        return HTCLIENT;
    }
    constexpr LONG boxSize = 19;
    if (!w.isChild() && (w.style & WS_CAPTION) == WS_CAPTION && at.y < client.top &&
        at.y >= client.top - boxSize) {
        bool hasMenu = (w.style & WS_SYSMENU) != 0;
        if (hasMenu && at.x >= client.right - boxSize) {
            return HTCLOSE;
        }
        if (hasMenu && at.x < client.left + boxSize) {
            return HTSYSMENU;
        }
        return HTCAPTION;
    }
    return HTBORDER;
}

void noteChange() { changes.fetch_add(1, std::memory_order_relaxed); }

unsigned changeCount() { return changes.load(std::memory_order_relaxed); }

} // namespace platform
