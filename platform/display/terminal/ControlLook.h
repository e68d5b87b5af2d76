#pragma once
// How each kind of control is drawn with characters, as far as its size depends on it: the
// layout reserves exactly what the painter draws.

#include <string_view>

namespace platform::terminal {

enum class ControlKind {
    PushButton,        // "[ Caption ]"
    DefaultPushButton, // "[< Caption >]"
    RadioButton,       // "(*) Caption"
    CheckBox,          // "[X] Caption"
    GroupBox,          // a frame with " Caption " in its top line
    Text,              // static text
    Icon,              // a small character picture
    Edit,              // "[text      ]"
    Other,             // any other window: its text
};

// The brackets at the ends of a push button; a blank stands between each and the caption.
std::string_view buttonLeftEnd(ControlKind kind);
std::string_view buttonRightEnd(ControlKind kind);
// The tick box before a radio button's or check box's caption, for a BST_ check state; a
// blank follows it.
std::string_view tickBox(ControlKind kind, int check);

// Cells that the decoration around a caption takes.
int decorationWidth(ControlKind kind);

// The picture of an icon control.
inline constexpr int iconWidth = 3;
inline constexpr int iconHeight = 2;

// The edit box shows its characters between brackets, with one cell more for the caret after
// the last character.
int editWidth(int visibleCharacters);

} // namespace platform::terminal
