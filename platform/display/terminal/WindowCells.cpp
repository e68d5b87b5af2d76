#include "platform/display/terminal/WindowCells.h"

#include "platform/display/terminal/CaptionText.h"
#include "platform/win/Styles.h"

#include <algorithm>

namespace platform::terminal {
namespace {

constexpr LONG_PTR noId = 0xFFFF;

SIZE baseUnitsOf(const Window& window) {
    if (const auto* dialog = std::get_if<DialogState>(&window.state)) {
        return dialog->baseUnits;
    }
    return DialogState{}.baseUnits;
}

RECT pixelsToUnits(const RECT& pixels, SIZE base) {
    auto x = [&](LONG v) { return v * 4 / std::max<LONG>(base.cx, 1); };
    auto y = [&](LONG v) { return v * 8 / std::max<LONG>(base.cy, 1); };
    return {x(pixels.left), y(pixels.top), x(pixels.right), y(pixels.bottom)};
}

SIZE clientUnitsOf(const Window& window) {
    if (window.templateUnits) {
        const RECT& r = *window.templateUnits;
        return {r.right - r.left, r.bottom - r.top};
    }
    RECT units = pixelsToUnits(clientRect(window), baseUnitsOf(window));
    return {units.right, units.bottom};
}

LayoutControl layoutControlOf(const Window& control, SIZE base) {
    LayoutControl c;
    c.kind = kindOf(control);
    c.units = control.templateUnits ? *control.templateUnits : pixelsToUnits(control.rect, base);
    c.caption = captionOf(control).text;
    c.changing = c.kind == ControlKind::Text && control.id != noId && control.id != -1;
    if (c.kind == ControlKind::Edit) {
        // As many characters as the edit control itself counts as visible.
        c.visibleCharacters =
            std::max<int>(1, (clientRect(control).right - 4) / std::max<LONG>(base.cx, 1));
    }
    return c;
}

} // namespace

ControlKind kindOf(const Window& control) {
    const std::string& name = control.windowClass->name;
    if (name == "Button") {
        switch (control.style & BS_TYPEMASK) {
        case BS_PUSHBUTTON:
        case BS_USERBUTTON:
            return ControlKind::PushButton;
        case BS_DEFPUSHBUTTON:
            return ControlKind::DefaultPushButton;
        case BS_RADIOBUTTON:
        case BS_AUTORADIOBUTTON:
            return ControlKind::RadioButton;
        case BS_GROUPBOX:
            return ControlKind::GroupBox;
        default:
            return ControlKind::CheckBox;
        }
    }
    if (name == "Static") {
        return (control.style & SS_TYPEMASK) == SS_ICON ? ControlKind::Icon : ControlKind::Text;
    }
    if (name == "Edit") {
        return ControlKind::Edit;
    }
    return ControlKind::Other;
}

Caption captionOf(const Window& control) {
    ControlKind kind = kindOf(control);
    if (kind == ControlKind::Edit || kind == ControlKind::Icon ||
        (kind == ControlKind::Text && (control.style & SS_NOPREFIX) != 0)) {
        return {control.text, -1};
    }
    return parseMnemonic(control.text);
}

SIZE clientRoom(int columns, int rows) {
    return {std::max(columns - 2, 0), std::max(rows - 3, 0)};
}

const WindowCells& LayoutCache::cellsOf(const Window& window, SIZE room) {
    auto it = entries_.find(window.handle);
    if (it != entries_.end() && it->second.room.cx == room.cx && it->second.room.cy == room.cy &&
        it->second.cells.controls == window.children) {
        return it->second.cells;
    }
    SIZE base = baseUnitsOf(window);
    std::vector<LayoutControl> controls;
    std::vector<HWND> handles;
    for (HWND child : window.children) {
        if (const Window* c = findWindow(child)) {
            controls.push_back(layoutControlOf(*c, base));
            handles.push_back(child);
        }
    }
    Entry entry{room, {layOutDialog(clientUnitsOf(window), controls, room), std::move(handles)}};
    return entries_.insert_or_assign(window.handle, std::move(entry)).first->second.cells;
}

void LayoutCache::keepOnly(const std::vector<HWND>& windows) {
    std::erase_if(entries_, [&](const auto& entry) {
        return std::find(windows.begin(), windows.end(), entry.first) == windows.end();
    });
}

} // namespace platform::terminal
