#pragma once
// Mouse reports of xterm-compatible terminals (tmux included): the SGR form "ESC [ < b ; x ; y M"
// for a press and "... m" for a release, and the older form "ESC [ M b x y" with the values in
// single bytes. Only the left button counts; wheel turns, motion and other buttons are dropped.

#include "platform/display/terminal/TerminalEvent.h"

#include <optional>
#include <string_view>

namespace platform::terminal {

// `parameters` is what stands between "ESC [ <" and the final 'M' or 'm'.
std::optional<MouseEvent> decodeSgrMouse(std::string_view parameters, char final);
// The three bytes after "ESC [ M".
std::optional<MouseEvent> decodeX10Mouse(unsigned char button, unsigned char col,
                                         unsigned char row);

} // namespace platform::terminal
