#pragma once
// The help engine. This platform has none, so every request fails; the last request is kept
// so that what the program asked for can be checked.

#include "platform/win/Types.h"

#include <string>

namespace platform {

struct HelpRequest {
    HWND window = nullptr;
    std::string file;
    UINT command = 0;
    ULONG_PTR data = 0;
};

HelpRequest lastHelpRequest();

} // namespace platform
