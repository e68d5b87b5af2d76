#pragma once
// How each kind of control is drawn with characters, as far as its size depends on it. The
// layout reserves exactly what the painter draws.

#include <string>
#include <string_view>

namespace platform::terminal {

enum class ControlKind {
    PushButton,        // "[ Caption ]"
    DefaultPushButton, // "[< Caption >]"
    RadioButton,       // "(*) Caption"
    CheckBox,          // "[X] Caption"
    GroupBox,          // a frame with the caption in its top line
    Text,              // static text
    Icon,              // a small character picture
    Edit,              // "[text      ]"
    Other,             // any other window: its text
};

// Cells that the decoration around a caption takes.
int decorationWidth(ControlKind kind);

// The picture of an icon control.
inline constexpr int iconWidth = 3;
inline constexpr int iconHeight = 2;

// The edit box shows its characters between brackets, with one cell more for the caret after
// the last character.
int editWidth(int visibleCharacters);

} // namespace platform::terminal
