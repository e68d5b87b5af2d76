#include "platform/display/terminal/MenuPainter.h"

#include "platform/display/terminal/CaptionText.h"
#include "platform/display/terminal/ScreenGeometry.h"
#include "platform/win/Constants.h"
#include "platform/win/Window.h"

#include <algorithm>

namespace platform::terminal {
namespace {

constexpr int keyGap = 2; // blanks between an item's text and its key name

struct ItemText {
    Caption caption;
    std::string key; // what follows the tab: the item's key, shown at the right
};

ItemText itemTextOf(const MenuItem& item) {
    auto tab = item.text.find('\t');
    if (tab == std::string::npos) {
        return {parseMnemonic(item.text), {}};
    }
    return {parseMnemonic(item.text.substr(0, tab)), item.text.substr(tab + 1)};
}

bool grayed(const MenuItem& item) {
    return (item.flags & (MF_GRAYED | MF_DISABLED)) != 0;
}

} // namespace

SIZE menuSize(const Menu& menu) {
    int widest = 0;
    for (const auto& item : menu.items) {
        ItemText text = itemTextOf(item);
        int width = static_cast<int>(text.caption.text.size());
        if (!text.key.empty()) {
            width += keyGap + static_cast<int>(text.key.size());
        }
        widest = std::max(widest, width);
    }
    return {widest + 4, static_cast<LONG>(menu.items.size()) + 2};
}

void paintMenu(Canvas& canvas, HitMap& hits, HWND menuWindow, POINT anchor, int columns,
               int workRows) {
    const Window* window = findWindow(menuWindow);
    if (window == nullptr || std::get_if<MenuState>(&window->state) == nullptr) {
        return;
    }
    const auto& state = window->as<MenuState>();
    const Menu* menu = findMenu(state.menu);
    if (menu == nullptr) {
        return;
    }
    SIZE size = menuSize(*menu);
    CellRect outer{std::clamp<int>(anchor.x, 0, std::max<int>(columns - size.cx, 0)),
                   std::clamp<int>(anchor.y, 0, std::max<int>(workRows - size.cy, 0)), size.cx,
                   size.cy};
    canvas.fill(outer, Role::Menu);
    canvas.frame(outer, Role::Menu);
    hits.set(outer, ClickTarget{});
    for (int i = 0; i < static_cast<int>(menu->items.size()); ++i) {
        const MenuItem& item = menu->items[static_cast<size_t>(i)];
        int row = outer.row + 1 + i;
        hits.set({outer.col, row, outer.width, 1},
                 ClickTarget::at(middleOf(menuItemRect(menuWindow, i))));
        if (item.separator()) {
            for (int col = outer.col + 1; col < outer.right() - 1; ++col) {
                canvas.put(col, row, line::horizontal, Role::Menu);
            }
            canvas.put(outer.col, row, line::teeLeft, Role::Menu);
            canvas.put(outer.right() - 1, row, line::teeRight, Role::Menu);
            continue;
        }
        Role role = i == state.selected ? Role::MenuSelected
                    : grayed(item)      ? Role::Disabled
                                        : Role::Menu;
        canvas.fill({outer.col + 1, row, outer.width - 2, 1}, role);
        ItemText text = itemTextOf(item);
        canvas.write(outer.col + 2, row, text.caption.text, role);
        if (text.caption.mnemonic >= 0) {
            auto ch = static_cast<unsigned char>(
                text.caption.text[static_cast<size_t>(text.caption.mnemonic)]);
            canvas.put(outer.col + 2 + text.caption.mnemonic, row, ch, role, true);
        }
        canvas.write(outer.right() - 2 - static_cast<int>(text.key.size()), row, text.key, role);
    }
}

} // namespace platform::terminal
