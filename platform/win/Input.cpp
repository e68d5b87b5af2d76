#include "platform/win/Input.h"

#include "platform/win/Constants.h"
#include "platform/win/Menus.h"
#include "platform/win/Messages.h"
#include "platform/win/Styles.h"
#include "platform/win/Window.h"

#include <cctype>

namespace platform {
namespace {

bool contains(const RECT& r, POINT p) {
    return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

// Static texts and group boxes let clicks through to the window beneath them.
bool passesClicksThrough(const Window& w) {
    const std::string& kind = w.windowClass->name;
    return kind == "Static" || (kind == "Button" && (w.style & BS_TYPEMASK) == BS_GROUPBOX);
}

HWND childAt(HWND parent, POINT screen) {
    Window* p = findWindow(parent);
    for (HWND child : p->children) {
        Window* c = findWindow(child);
        if ((c->style & WS_VISIBLE) == 0 || passesClicksThrough(*c) || !contains(windowOnScreen(*c), screen)) {
            continue;
        }
        // A disabled control takes no clicks; its dialog gets them, and ignores them.
        if ((c->style & WS_DISABLED) != 0) {
            return parent;
        }
        return childAt(child, screen);
    }
    return parent;
}

// The character a key types, kept in the scan-code bits of the key message for TranslateMessage.
unsigned char characterOf(UINT key) {
    switch (key) {
    case VK_BACK:
    case VK_TAB:
    case VK_RETURN:
    case VK_ESCAPE:
    case VK_SPACE: return static_cast<unsigned char>(key);
    default: return 0;
    }
}

UINT keyOf(unsigned char ch) {
    if (std::isalpha(ch)) {
        return static_cast<UINT>(std::toupper(ch));
    }
    if (std::isdigit(ch) || ch == ' ') {
        return ch;
    }
    switch (ch) {
    case '+':
    case '=': return VK_OEM_PLUS;
    case '-':
    case '_': return VK_OEM_MINUS;
    case '.': return VK_OEM_PERIOD;
    case ',': return VK_OEM_COMMA;
    case '/': return VK_OEM_2;
    default: return VK_OEM_8;
    }
}

class Router : public InputSink {
public:
    void mouseButton(POINT screen, bool down) override {
        auto& queue = ThreadQueue::current();
        HitTarget target;
        if (HWND menu = openMenuWindow()) {
            target = {menu, HTCLIENT}; // an open menu sees every click, to close when it misses
        } else if (queue.windows.capture != nullptr) {
            target = {queue.windows.capture, HTCLIENT};
        } else {
            target = hitTest(screen);
        }
        Window* w = findWindow(target.window);
        if (w == nullptr) {
            return;
        }
        MSG msg{target.window, 0, 0, 0, 0, screen};
        if (target.hit == HTCLIENT) {
            RECT client = clientOnScreen(*w);
            msg.message = down ? WM_LBUTTONDOWN : WM_LBUTTONUP;
            msg.wParam = down ? MK_LBUTTON : 0;
            msg.lParam = MAKELPARAM(screen.x - client.left, screen.y - client.top);
        } else {
            msg.message = down ? WM_NCLBUTTONDOWN : WM_NCLBUTTONUP;
            msg.wParam = static_cast<WPARAM>(target.hit);
            msg.lParam = MAKELPARAM(screen.x, screen.y);
        }
        queue.postInput(msg, queue.windows.keys);
    }

    void key(UINT virtualKey, bool down, Modifiers modifiers) override {
        post(virtualKey, down ? characterOf(virtualKey) : 0, down, modifiers);
    }

    void character(unsigned char ch, Modifiers modifiers) override {
        UINT virtualKey = keyOf(ch);
        post(virtualKey, ch, true, modifiers);
        post(virtualKey, 0, false, modifiers);
    }

private:
    static void post(UINT virtualKey, unsigned char ch, bool down, Modifiers modifiers) {
        auto& queue = ThreadQueue::current();
        HWND target = queue.windows.focus != nullptr ? queue.windows.focus : queue.windows.active;
        if (target == nullptr) {
            return;
        }
        bool system = modifiers.alt && !modifiers.control;
        UINT message = system ? (down ? WM_SYSKEYDOWN : WM_SYSKEYUP) : (down ? WM_KEYDOWN : WM_KEYUP);
        LPARAM lParam = 1 | (static_cast<LPARAM>(ch) << 16);
        if (modifiers.alt) {
            lParam |= LPARAM{1} << 29;
        }
        if (!down) {
            lParam |= (LPARAM{1} << 30) | (LPARAM{1} << 31);
        }
        queue.postInput({target, message, virtualKey, lParam, 0, {}}, modifiers);
    }
};

} // namespace

InputSink& inputRouter() {
    static Router router;
    return router;
}

HitTarget hitTest(POINT screen) {
    auto stack = topLevelWindows();
    for (auto it = stack.rbegin(); it != stack.rend(); ++it) {
        Window* w = findWindow(*it);
        if (w == nullptr || (w->style & WS_VISIBLE) == 0 || (w->style & WS_MINIMIZE) != 0) {
            continue;
        }
        LRESULT hit = nonClientHit(*w, screen);
        if (hit == HTNOWHERE) {
            continue;
        }
        // A window under a modal box takes no input until the box is closed.
        if ((w->style & WS_DISABLED) != 0) {
            return {};
        }
        if (hit != HTCLIENT) {
            return {*it, hit};
        }
        return {childAt(*it, screen), HTCLIENT};
    }
    return {};
}

} // namespace platform
