#include "platform/display/terminal/CellLayout.h"
#include "platform/win/Styles.h"
#include "ui/PanelTemplate.h"

#include <gtest/gtest.h>
#include <iostream>

using namespace platform::terminal;

TEST(CellLayout, Print) {
    auto t = panelTemplate();
    std::vector<LayoutControl> controls;
    for (auto& item : t.items) {
        LayoutControl c;
        c.units = {item.x, item.y, item.x + item.cx, item.y + item.cy};
        c.caption = item.title;
        if (item.windowClass == "Button") {
            switch (item.style & BS_TYPEMASK) {
            case BS_DEFPUSHBUTTON: c.kind = ControlKind::DefaultPushButton; break;
            case BS_PUSHBUTTON: c.kind = ControlKind::PushButton; break;
            case BS_GROUPBOX: c.kind = ControlKind::GroupBox; break;
            case BS_AUTOCHECKBOX: c.kind = ControlKind::CheckBox; break;
            default: c.kind = ControlKind::RadioButton; break;
            }
        } else if (item.windowClass == "Edit") {
            c.kind = ControlKind::Edit;
            c.visibleCharacters = 10;
        } else {
            c.kind = ControlKind::Text;
            c.changing = item.id != 0xFFFF;
        }
        controls.push_back(c);
    }
    auto layout = layOutDialog({t.cx, t.cy}, controls, {78, 21});
    std::cout << layout.client.cx << "x" << layout.client.cy << " min " << layout.minimum.cx << "x" << layout.minimum.cy << "\n";
    std::vector<std::string> grid(layout.client.cy, std::string(layout.client.cx, ' '));
    auto put = [&](int c, int r, const std::string& s) {
        for (size_t i = 0; i < s.size(); ++i)
            if (r >= 0 && r < (int)grid.size() && c + (int)i < layout.client.cx && c + (int)i >= 0) grid[r][c + i] = grid[r][c+i] == ' ' ? s[i] : '#';
    };
    for (size_t i = 0; i < controls.size(); ++i) {
        auto& r = layout.controls[i];
        auto& c = controls[i];
        if (c.kind == ControlKind::GroupBox) {
            put(r.col, r.row, "+" + std::string(r.width - 2, '-') + "+");
            put(r.col + 2, r.row, c.caption);
            put(r.col, r.bottom() - 1, "+" + std::string(r.width - 2, '-') + "+");
            for (int k = r.row + 1; k < r.bottom() - 1; ++k) { put(r.col, k, "|"); put(r.right() - 1, k, "|"); }
        }
    }
    for (size_t i = 0; i < controls.size(); ++i) {
        auto& r = layout.controls[i];
        auto& c = controls[i];
        std::string s;
        switch (c.kind) {
        case ControlKind::GroupBox: continue;
        case ControlKind::PushButton: s = "[ " + c.caption + " ]"; break;
        case ControlKind::DefaultPushButton: s = "[< " + c.caption + " >]"; break;
        case ControlKind::RadioButton: s = "( ) " + c.caption; break;
        case ControlKind::CheckBox: s = "[ ] " + c.caption; break;
        case ControlKind::Edit: s = "[" + std::string(r.width - 2, ' ') + "]"; break;
        default: s = c.caption; s.resize(r.width, '.'); break;
        }
        if (c.kind == ControlKind::PushButton || c.kind == ControlKind::DefaultPushButton) {
            int pad = r.width - (int)s.size();
            s.insert(s.find(c.caption), pad / 2, ' ');
            s.insert(s.size() - (c.kind == ControlKind::DefaultPushButton ? 3 : 2), pad - pad / 2, ' ');
        }
        put(r.col, r.row, s);
    }
    for (auto& g : grid) std::cout << "|" << g << "|\n";
}
