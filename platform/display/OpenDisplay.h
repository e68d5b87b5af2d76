#pragma once
// Chooses the display the program runs on.

#include "platform/display/Display.h"

#include <memory>
#include <string>

namespace platform {

// The display for this process: the terminal when the program runs in one. On failure,
// nullptr, with `why` saying what is missing, for the caller to tell the user.
std::unique_ptr<Display> openDisplay(std::string& why);

} // namespace platform
