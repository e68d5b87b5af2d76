#pragma once
// Icons drawn with characters: a picture of two rows for icon controls and a single character
// for the title bar and the task bar.

#include "platform/win/Types.h"

#include <array>
#include <optional>
#include <string_view>

namespace platform::terminal {

struct IconPicture {
    char symbol;
    std::array<std::string_view, 2> rows;
};

// The picture of an icon by its name (see platform::Icon); an unknown icon gets the
// application's picture.
IconPicture iconPictureNamed(std::string_view name);
// The picture of an icon handle, or nothing when the handle names no icon.
std::optional<IconPicture> iconPictureOf(HICON icon);

} // namespace platform::terminal
