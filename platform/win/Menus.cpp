// Menus: the menu objects, the system menu of a window, and tracking an open menu.

#include "platform/win/Menus.h"

#include "platform/win/Activation.h"
#include "platform/win/Constants.h"
#include "platform/win/Controls.h"
#include "platform/win/HandleTable.h"
#include "platform/win/LastError.h"
#include "platform/win/Messages.h"
#include "platform/win/Styles.h"
#include "platform/win/User32.h"
#include "platform/win/Window.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace platform {
namespace {

constexpr int itemHeight = 19;
constexpr int separatorHeight = 9;
constexpr int frame = 3;

HandleTable<HMENU, Menu>& table() {
    static HandleTable<HMENU, Menu> instance(0x50000);
    return instance;
}

thread_local HWND openMenu = nullptr;

HMENU newMenu(std::vector<MenuItem> items) { return table().add(std::make_shared<Menu>(Menu{std::move(items)})); }

// The letter after '&' in an item's text, which chooses it from the keyboard.
char mnemonicOf(const std::string& text) {
    auto amp = text.find('&');
    return amp != std::string::npos && amp + 1 < text.size()
               ? static_cast<char>(std::tolower(static_cast<unsigned char>(text[amp + 1])))
               : '\0';
}

int textWidth(const Menu& menu) {
    size_t widest = 0;
    for (const auto& item : menu.items) {
        widest = std::max(widest, item.text.size());
    }
    return static_cast<int>(widest) * 6 + 40;
}

int stepSelection(const Menu& menu, int from, int step) {
    int count = static_cast<int>(menu.items.size());
    for (int i = 1; i <= count; ++i) {
        int candidate = ((from + step * i) % count + count) % count;
        if (!menu.items[static_cast<size_t>(candidate)].separator()) {
            return candidate;
        }
    }
    return from;
}

int itemAt(HWND menuWindow, POINT at) {
    Menu* menu = findMenu(findWindow(menuWindow)->as<MenuState>().menu);
    for (int i = 0; i < static_cast<int>(menu->items.size()); ++i) {
        RECT r = menuItemRect(menuWindow, i);
        if (at.x >= r.left && at.x < r.right && at.y >= r.top && at.y < r.bottom) {
            return i;
        }
    }
    return -1;
}

bool isKeyboardMessage(UINT message) { return message >= WM_KEYDOWN && message <= WM_SYSCHAR; }

bool isMouseButtonMessage(UINT message) {
    return message == WM_LBUTTONDOWN || message == WM_LBUTTONUP || message == WM_NCLBUTTONDOWN ||
           message == WM_NCLBUTTONUP || message == WM_LBUTTONDBLCLK;
}

} // namespace

Menu* findMenu(HMENU handle) { return table().find(handle).get(); }

HWND openMenuWindow() { return openMenu; }

RECT menuItemRect(HWND menuWindow, int index) {
    Window* w = findWindow(menuWindow);
    if (w == nullptr || w->stateIf<MenuState>() == nullptr) {
        return {};
    }
    Menu* menu = findMenu(w->as<MenuState>().menu);
    if (menu == nullptr || index < 0 || index >= static_cast<int>(menu->items.size())) {
        return {};
    }
    RECT outer = windowOnScreen(*w);
    int top = outer.top + frame;
    for (int i = 0; i < index; ++i) {
        top += menu->items[static_cast<size_t>(i)].separator() ? separatorHeight : itemHeight;
    }
    int height = menu->items[static_cast<size_t>(index)].separator() ? separatorHeight : itemHeight;
    return {outer.left + frame, top, outer.right - frame, top + height};
}

UINT_PTR trackSystemMenu(HWND window) {
    HMENU handle = GetSystemMenu(window, FALSE);
    Menu* menu = findMenu(handle);
    if (menu == nullptr || menu->items.empty() || openMenu != nullptr) {
        return 0;
    }
    RECT client;
    GetClientRect(window, &client);
    POINT below{0, 0};
    ClientToScreen(window, &below);
    int height = 2 * frame;
    for (const auto& item : menu->items) {
        height += item.separator() ? separatorHeight : itemHeight;
    }
    HWND popup = CreateWindowExA(0, "#32768", "", WS_POPUP | WS_BORDER, below.x, below.y,
                                 textWidth(*menu), height, window, nullptr, nullptr, nullptr);
    if (popup == nullptr) {
        return 0;
    }
    auto& state = findWindow(popup)->as<MenuState>();
    state.menu = handle;
    state.owner = window;
    state.selected = stepSelection(*menu, -1, 1);
    ShowWindow(popup, SW_SHOWNA); // a menu does not take the activation from its window
    openMenu = popup;

    UINT_PTR chosen = 0;
    bool open = true;
    auto choose = [&](int index) {
        if (index >= 0 && !menu->items[static_cast<size_t>(index)].separator()) {
            chosen = menu->items[static_cast<size_t>(index)].id;
        }
        open = false;
    };
    while (open && IsWindow(popup) && IsWindow(window)) {
        MSG msg;
        BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got <= 0) {
            if (got == 0) {
                PostQuitMessage(static_cast<int>(msg.wParam));
            }
            break;
        }
        // While the menu is open it takes the keyboard and the mouse buttons; everything else
        // (timers, painting, posted messages) goes on as usual.
        auto& selected = findWindow(popup)->as<MenuState>().selected;
        if (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) {
            switch (msg.wParam) {
            case VK_UP: selected = stepSelection(*menu, selected, -1); noteChange(); break;
            case VK_DOWN: selected = stepSelection(*menu, selected, 1); noteChange(); break;
            case VK_RETURN: choose(selected); break;
            case VK_ESCAPE:
            case VK_MENU: open = false; break;
            default: TranslateMessage(&msg); break;
            }
        } else if (msg.message == WM_CHAR || msg.message == WM_SYSCHAR) {
            char letter = static_cast<char>(std::tolower(static_cast<int>(msg.wParam)));
            for (size_t i = 0; i < menu->items.size(); ++i) {
                if (!menu->items[i].separator() && mnemonicOf(menu->items[i].text) == letter) {
                    choose(static_cast<int>(i));
                    break;
                }
            }
        } else if (msg.message == WM_LBUTTONDOWN || msg.message == WM_NCLBUTTONDOWN) {
            // A press outside the menu closes it; a press on an item marks it, and the item is
            // chosen when the button comes up on it.
            int index = itemAt(popup, msg.pt);
            if (index < 0) {
                open = false;
            } else if (!menu->items[static_cast<size_t>(index)].separator()) {
                selected = index;
                noteChange();
            }
        } else if (msg.message == WM_LBUTTONUP || msg.message == WM_NCLBUTTONUP) {
            int index = itemAt(popup, msg.pt);
            if (index >= 0 && !menu->items[static_cast<size_t>(index)].separator()) {
                choose(index);
            }
        } else if (!isKeyboardMessage(msg.message) && !isMouseButtonMessage(msg.message)) {
            DispatchMessageA(&msg);
        }
    }
    openMenu = nullptr;
    DestroyWindow(popup);
    return chosen;
}

LRESULT CALLBACK menuProcedure(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(hWnd, message, wParam, lParam);
}

} // namespace platform

using namespace platform;

HMENU WINAPI GetSystemMenu(HWND hWnd, BOOL bRevert) {
    Window* w = windowFor(hWnd);
    if (w == nullptr || (w->style & WS_SYSMENU) == 0) {
        return nullptr;
    }
    if (bRevert) {
        w->systemMenu = nullptr;
        return nullptr;
    }
    if (w->systemMenu == nullptr) {
        // A dialog frame cannot be sized, minimized or maximized from its menu.
        w->systemMenu = newMenu({{MF_STRING, SC_MOVE, "&Move"}, {MF_STRING, SC_CLOSE, "&Close\tAlt+F4"}});
    }
    return w->systemMenu;
}

BOOL WINAPI AppendMenuA(HMENU hMenu, UINT uFlags, UINT_PTR uIDNewItem, LPCSTR lpNewItem) {
    Menu* menu = findMenu(hMenu);
    if (menu == nullptr) {
        return fail(ERROR_INVALID_MENU_HANDLE);
    }
    if ((uFlags & MF_POPUP) != 0) {
        return fail(ERROR_INVALID_PARAMETER); // submenus are not offered
    }
    MenuItem item{uFlags, uIDNewItem, {}};
    if (!item.separator()) {
        item.text = lpNewItem != nullptr ? lpNewItem : "";
    }
    menu->items.push_back(std::move(item));
    noteChange();
    return TRUE;
}

int WINAPI GetMenuItemCount(HMENU hMenu) {
    Menu* menu = findMenu(hMenu);
    return menu == nullptr ? fail<int>(ERROR_INVALID_MENU_HANDLE, -1) : static_cast<int>(menu->items.size());
}

UINT WINAPI GetMenuItemID(HMENU hMenu, int nPos) {
    Menu* menu = findMenu(hMenu);
    if (menu == nullptr || nPos < 0 || nPos >= static_cast<int>(menu->items.size())) {
        return static_cast<UINT>(-1);
    }
    const MenuItem& item = menu->items[static_cast<size_t>(nPos)];
    return item.separator() ? 0 : static_cast<UINT>(item.id);
}

namespace {

const MenuItem* itemBy(HMENU hMenu, UINT item, UINT flags) {
    Menu* menu = findMenu(hMenu);
    if (menu == nullptr) {
        return nullptr;
    }
    if ((flags & MF_BYPOSITION) != 0) {
        return item < menu->items.size() ? &menu->items[item] : nullptr;
    }
    for (const auto& candidate : menu->items) {
        if (!candidate.separator() && candidate.id == item) {
            return &candidate;
        }
    }
    return nullptr;
}

} // namespace

int WINAPI GetMenuStringA(HMENU hMenu, UINT uIDItem, LPSTR lpString, int cchMax, UINT flags) {
    const MenuItem* item = itemBy(hMenu, uIDItem, flags);
    if (item == nullptr) {
        return 0;
    }
    if (lpString == nullptr || cchMax <= 0) {
        return static_cast<int>(item->text.size());
    }
    int n = std::min<int>(static_cast<int>(item->text.size()), cchMax - 1);
    std::memcpy(lpString, item->text.data(), static_cast<size_t>(n));
    lpString[n] = '\0';
    return n;
}

UINT WINAPI GetMenuState(HMENU hMenu, UINT uId, UINT uFlags) {
    const MenuItem* item = itemBy(hMenu, uId, uFlags);
    return item == nullptr ? static_cast<UINT>(-1) : (item->flags & ~MF_BYPOSITION);
}
