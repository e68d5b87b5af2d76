#pragma once
// What the user did at the terminal, decoded from the bytes it sends.

#include "platform/display/Display.h"

#include <variant>

namespace platform::terminal {

// A key without a character of its own (Tab, Enter, arrows, F1 ...), as a virtual-key code.
struct KeyEvent {
    UINT key = 0;
    Modifiers modifiers;
    bool operator==(const KeyEvent& o) const {
        return key == o.key && modifiers.shift == o.modifiers.shift &&
               modifiers.control == o.modifiers.control && modifiers.alt == o.modifiers.alt;
    }
};

// A typed character (single-byte, Latin-1).
struct CharEvent {
    unsigned char ch = 0;
    Modifiers modifiers;
    bool operator==(const CharEvent& o) const {
        return ch == o.ch && modifiers.alt == o.modifiers.alt;
    }
};

// The left mouse button went down or up over a cell (counted from 0).
struct MouseEvent {
    bool down = false;
    int col = 0;
    int row = 0;
    bool operator==(const MouseEvent&) const = default;
};

// Ctrl+C, which acts as the close box of the active window.
struct CloseEvent {
    bool operator==(const CloseEvent&) const = default;
};

using TerminalEvent = std::variant<KeyEvent, CharEvent, MouseEvent, CloseEvent>;

} // namespace platform::terminal
