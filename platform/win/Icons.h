#pragma once
// Icon objects behind HICON values: the program's icon resources and the system's own icons.

#include "platform/win/Resources.h"
#include "platform/win/Types.h"

#include <string>

namespace platform {

struct Icon {
    IconImage image;
    // What the icon shows, for displays that draw it with characters: "exclamation", "hand",
    // "question", "asterisk", "application", or "#N" for the program's icon resource N.
    std::string name;
};

const Icon* findIcon(HICON handle);

} // namespace platform
