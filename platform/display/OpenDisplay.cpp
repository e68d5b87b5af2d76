#include "platform/display/OpenDisplay.h"

#include "platform/display/terminal/TerminalDisplay.h"

namespace platform {

std::unique_ptr<Display> openDisplay(std::string& why) {
    // The terminal is the one display there is so far; a graphical one would be tried first.
    return terminal::TerminalDisplay::open(why);
}

} // namespace platform
