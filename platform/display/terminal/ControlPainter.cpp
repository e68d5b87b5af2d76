#include "platform/display/terminal/ControlPainter.h"

#include "platform/display/terminal/CaptionText.h"
#include "platform/display/terminal/ControlLook.h"
#include "platform/display/terminal/IconPictures.h"
#include "platform/display/terminal/ScreenGeometry.h"
#include "platform/display/terminal/WindowCells.h"
#include "platform/win/Constants.h"
#include "platform/win/Styles.h"

#include <algorithm>

namespace platform::terminal {
namespace {

struct Look {
    bool enabled;
    bool focused;
};

// Writes a caption and underlines its mnemonic letter.
void writeCaption(Canvas& canvas, int col, int row, const Caption& caption, Role role, int limit) {
    canvas.write(col, row, caption.text, role, limit);
    if (caption.mnemonic >= 0 && caption.mnemonic < limit) {
        auto ch = static_cast<unsigned char>(caption.text[static_cast<size_t>(caption.mnemonic)]);
        canvas.put(col + caption.mnemonic, row, ch, role, true);
    }
}

void paintPushButton(Canvas& canvas, const Window& button, const CellRect& at, Look look) {
    ControlKind kind = kindOf(button);
    bool isDefault = kind == ControlKind::DefaultPushButton;
    const auto& state = button.as<ButtonState>();
    Role role = !look.enabled  ? Role::Disabled
                : state.pushed ? Role::Pushed
                : look.focused ? Role::Focus
                : isDefault    ? Role::DefaultButton
                               : Role::Window;
    std::string_view left = buttonLeftEnd(kind);
    std::string_view right = buttonRightEnd(kind);
    Caption caption = captionOf(button);
    int inside = at.width - static_cast<int>(left.size() + right.size());
    int captionWidth =
        std::min<int>(static_cast<int>(caption.text.size()), std::max(inside - 2, 0));
    int before = std::max(inside - captionWidth, 0) / 2;
    canvas.fill({at.col, at.row, at.width, 1}, role);
    canvas.write(at.col, at.row, left, role);
    writeCaption(canvas, at.col + static_cast<int>(left.size()) + before, at.row, caption, role,
                 captionWidth);
    canvas.write(at.right() - static_cast<int>(right.size()), at.row, right, role);
}

void paintTickBox(Canvas& canvas, const Window& button, const CellRect& at, Look look) {
    ControlKind kind = kindOf(button);
    std::string_view box = tickBox(kind, button.as<ButtonState>().check);
    Role boxRole = look.enabled ? Role::Window : Role::Disabled;
    Role textRole = !look.enabled ? Role::Disabled : look.focused ? Role::Focus : Role::Window;
    if (button.as<ButtonState>().pushed && look.enabled) {
        boxRole = Role::Pushed;
    }
    canvas.write(at.col, at.row, box, boxRole);
    Caption caption = captionOf(button);
    int room = std::max(at.width - decorationWidth(kind), 0);
    writeCaption(canvas, at.col + decorationWidth(kind), at.row, caption, textRole, room);
}

void paintGroupBox(Canvas& canvas, const Window& box, const CellRect& at, Look look) {
    Role role = look.enabled ? Role::Window : Role::Disabled;
    canvas.frame(at, role);
    Caption caption = captionOf(box);
    if (!caption.text.empty() && at.width > 4) {
        int room = at.width - 4;
        canvas.put(at.col + 1, at.row, U' ', role);
        writeCaption(canvas, at.col + 2, at.row, caption, role, room);
        int end = at.col + 2 + std::min<int>(room, static_cast<int>(caption.text.size()));
        canvas.put(end, at.row, U' ', role);
    }
}

void paintText(Canvas& canvas, const Window& text, const CellRect& at, Look look) {
    Role role = look.enabled ? Role::Window : Role::Disabled;
    Caption caption = captionOf(text);
    std::vector<std::string> lines = wrapWords(caption.text, at.width);
    DWORD align = text.style & SS_TYPEMASK;
    for (int i = 0; i < at.height && i < static_cast<int>(lines.size()); ++i) {
        const std::string& line = lines[static_cast<size_t>(i)];
        int spare = std::max(at.width - static_cast<int>(line.size()), 0);
        int col = at.col + (align == SS_CENTER ? spare / 2 : align == SS_RIGHT ? spare : 0);
        // The mnemonic is underlined only where the text stands on one line as it was given.
        Caption shown{line, lines.size() == 1 && caption.mnemonic < static_cast<int>(line.size())
                                ? caption.mnemonic
                                : -1};
        writeCaption(canvas, col, at.row + i, shown, role, at.width);
    }
}

void paintIcon(Canvas& canvas, const Window& icon, const CellRect& at) {
    auto picture = iconPictureOf(icon.as<StaticState>().icon);
    if (!picture) {
        return;
    }
    for (int row = 0; row < static_cast<int>(picture->rows.size()); ++row) {
        canvas.write(at.col, at.row + row, picture->rows[static_cast<size_t>(row)], Role::Window);
    }
}

// The edit box shows the characters from the first visible one, its selection while it has
// the focus, and the caret as the terminal's cursor. A click on a character places the caret
// before it, as a click at that character's pixels does.
void paintEdit(Canvas& canvas, HitMap& hits, const Window& edit, const CellRect& at, Look look,
               std::optional<POINT>& cursor) {
    const auto& state = edit.as<EditState>();
    int inside = std::max(at.width - 2, 0);
    Role field = look.enabled ? Role::Field : Role::Disabled;
    canvas.put(at.col, at.row, U'[', look.enabled ? Role::Window : Role::Disabled);
    canvas.fill({at.col + 1, at.row, inside, 1}, field);
    canvas.put(at.right() - 1, at.row, U']', look.enabled ? Role::Window : Role::Disabled);
    int first = std::clamp(state.firstVisible, 0, static_cast<int>(edit.text.size()));
    int shown = std::max(inside - 1, 0);
    for (int i = 0; i < shown && first + i < static_cast<int>(edit.text.size()); ++i) {
        int index = first + i;
        bool selected =
            look.focused && index >= state.selectionStart() && index < state.selectionEnd();
        auto ch = static_cast<unsigned char>(edit.text[static_cast<size_t>(index)]);
        canvas.put(at.col + 1 + i, at.row, ch < 0x20 ? U' ' : ch,
                   selected ? Role::Selection : field);
    }
    if (look.focused && look.enabled) {
        cursor = POINT{at.col + 1 + std::clamp(state.caret - first, 0, inside - 1), at.row};
    }
    RECT client = clientOnScreen(edit);
    const Window* dialog = findWindow(edit.parent);
    const auto* dialogState =
        dialog != nullptr ? std::get_if<DialogState>(&dialog->state) : nullptr;
    LONG charWidth = dialogState != nullptr ? dialogState->baseUnits.cx : 6;
    LONG middle = (client.top + client.bottom) / 2;
    constexpr LONG margin = 2; // the edit control's pixels before its first character
    for (int col = 0; col < at.width; ++col) {
        int character = std::clamp(col - 1, 0, std::max(inside - 1, 0));
        hits.set(at.col + col, at.row,
                 ClickTarget::at({client.left + margin + character * charWidth, middle}));
    }
}

} // namespace

void paintControl(Canvas& canvas, HitMap& hits, const Window& control, const CellRect& at,
                  std::optional<POINT>& cursor) {
    Look look{(control.style & WS_DISABLED) == 0,
              ThreadQueue::current().windows.focus == control.handle};
    ControlKind kind = kindOf(control);
    switch (kind) {
    case ControlKind::PushButton:
    case ControlKind::DefaultPushButton:
        paintPushButton(canvas, control, at, look);
        break;
    case ControlKind::RadioButton:
    case ControlKind::CheckBox:
        paintTickBox(canvas, control, at, look);
        break;
    case ControlKind::GroupBox:
        paintGroupBox(canvas, control, at, look);
        return;
    case ControlKind::Text:
    case ControlKind::Other:
        paintText(canvas, control, at, look);
        return;
    case ControlKind::Icon:
        paintIcon(canvas, control, at);
        return;
    case ControlKind::Edit:
        paintEdit(canvas, hits, control, at, look, cursor);
        return;
    }
    hits.set(at, ClickTarget::at(middleOf(windowOnScreen(control))));
}

} // namespace platform::terminal
