#include "platform/display/terminal/IconPictures.h"

#include "platform/win/Icons.h"

namespace platform::terminal {
namespace {

// The program's own icon (resource 128) shows the receiving antenna of the card under test.
constexpr IconPicture programIcon{'Y', {"\\|/", " | "}};
constexpr IconPicture applicationIcon{'=', {"[=]", "   "}};

} // namespace

IconPicture iconPictureNamed(std::string_view name) {
    if (name == "exclamation") {
        return {'!', {"/!\\", "   "}};
    }
    if (name == "hand") {
        return {'x', {"(X)", "   "}};
    }
    if (name == "question") {
        return {'?', {"(?)", "   "}};
    }
    if (name == "asterisk") {
        return {'i', {"(i)", "   "}};
    }
    if (name == "#128") {
        return programIcon;
    }
    return applicationIcon;
}

std::optional<IconPicture> iconPictureOf(HICON icon) {
    const Icon* found = findIcon(icon);
    if (found == nullptr) {
        return std::nullopt;
    }
    return iconPictureNamed(found->name);
}

} // namespace platform::terminal
