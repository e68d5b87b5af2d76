#pragma once
// Turns the bytes a terminal sends into key presses, typed characters, mouse clicks and Ctrl+C.
// It reads the sequences that xterm, tmux, the Linux console and their kin send: CSI and SS3
// keys with their modifier parameter, ESC before a key for Alt, UTF-8 characters (kept when
// they are Latin-1), and mouse reports (MouseDecoder). An ESC on its own is the Esc key only
// once no more bytes follow it in time: the caller flushes the decoder after a short pause.

#include "platform/display/terminal/TerminalEvent.h"

#include <string>
#include <string_view>
#include <vector>

namespace platform::terminal {

class KeyDecoder {
public:
    explicit KeyDecoder(bool utf8 = true) : utf8_(utf8) {}

    std::vector<TerminalEvent> feed(std::string_view bytes);
    // Decodes what is held back as if nothing more will come.
    std::vector<TerminalEvent> flush();
    // True while the start of a sequence waits for the rest of it.
    bool pending() const { return !held_.empty(); }

private:
    std::vector<TerminalEvent> decode(bool atEnd);

    bool utf8_;
    std::string held_;
};

} // namespace platform::terminal
