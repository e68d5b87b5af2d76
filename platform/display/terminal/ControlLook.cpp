#include "platform/display/terminal/ControlLook.h"

namespace platform::terminal {
namespace {

// The check states of buttons (BST_UNCHECKED, BST_CHECKED, BST_INDETERMINATE).
constexpr int checked = 1;
constexpr int indeterminate = 2;

} // namespace

std::string_view buttonLeftEnd(ControlKind kind) {
    return kind == ControlKind::DefaultPushButton ? "[<" : "[";
}

std::string_view buttonRightEnd(ControlKind kind) {
    return kind == ControlKind::DefaultPushButton ? ">]" : "]";
}

std::string_view tickBox(ControlKind kind, int check) {
    if (kind == ControlKind::RadioButton) {
        return check == checked ? "(*)" : "( )";
    }
    return check == checked ? "[X]" : check == indeterminate ? "[-]" : "[ ]";
}

int decorationWidth(ControlKind kind) {
    switch (kind) {
    case ControlKind::PushButton:
    case ControlKind::DefaultPushButton:
        return static_cast<int>(buttonLeftEnd(kind).size() + buttonRightEnd(kind).size()) + 2;
    case ControlKind::RadioButton:
    case ControlKind::CheckBox:
        return static_cast<int>(tickBox(kind, 0).size()) + 1;
    case ControlKind::GroupBox:
        return 4; // corner, blank, caption, blank, corner
    default:
        return 0;
    }
}

int editWidth(int visibleCharacters) {
    return visibleCharacters + 3;
}

} // namespace platform::terminal
