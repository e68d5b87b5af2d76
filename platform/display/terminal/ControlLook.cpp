#include "platform/display/terminal/ControlLook.h"

namespace platform::terminal {

int decorationWidth(ControlKind kind) {
    switch (kind) {
    case ControlKind::PushButton: return 4;
    case ControlKind::DefaultPushButton: return 6;
    case ControlKind::RadioButton:
    case ControlKind::CheckBox: return 4;
    case ControlKind::GroupBox: return 4; // corner, blank, caption, blank, corner
    default: return 0;
    }
}

int editWidth(int visibleCharacters) { return visibleCharacters + 3; }

} // namespace platform::terminal
