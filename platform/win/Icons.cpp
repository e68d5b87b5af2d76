#include "platform/win/Icons.h"

#include "platform/win/Constants.h"
#include "platform/win/HandleTable.h"
#include "platform/win/LastError.h"
#include "platform/win/User32.h"

#include <cmath>
#include <functional>
#include <map>
#include <memory>
#include <mutex>

namespace platform {
namespace {

enum Colour : std::uint8_t { black = 0, darkBlue = 4, silver = 7, red = 9, yellow = 11, blue = 12, white = 15 };

HandleTable<HICON, Icon>& table() {
    static HandleTable<HICON, Icon> instance(0x30000);
    return instance;
}

// Loading an icon twice gives the same handle, as the system shares the icons it loads.
struct SharedIcons {
    std::mutex mutex;
    std::map<std::string, HICON> byName;
};

SharedIcons& shared() {
    static SharedIcons instance;
    return instance;
}

// The system's icons are drawn here: a shape filled with a colour, with a sign on it.
IconImage systemIconImage(const std::string& name, int size) {
    IconImage image{size, size, std::vector<std::uint8_t>(static_cast<size_t>(size * size), white)};
    auto set = [&](int x, int y, std::uint8_t c) { image.pixels[static_cast<size_t>(y * size + x)] = c; };
    double centre = (size - 1) / 2.0;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            if (name == "exclamation") {
                // A triangle standing on its base.
                double halfWidth = (y + 1) / 2.0;
                if (std::abs(x - centre) <= halfWidth) {
                    set(x, y, yellow);
                }
            } else if (std::hypot(x - centre, y - centre) <= size / 2.0 - 0.5) {
                set(x, y, name == "hand" ? red : name == "application" ? silver : blue);
            }
        }
    }
    // The sign: an upright bar with a dot below it.
    int barX = size / 2 - 1;
    for (int y = size / 4; y < size * 5 / 8; ++y) {
        set(barX, y, black);
        set(barX + 1, y, black);
    }
    for (int y = size * 3 / 4; y < size * 3 / 4 + 2; ++y) {
        set(barX, y, black);
        set(barX + 1, y, black);
    }
    (void)darkBlue;
    return image;
}

std::string systemIconName(WORD id) {
    switch (id) {
    case 32512: return "application";
    case 32513: return "hand";
    case 32514: return "question";
    case 32515: return "exclamation";
    case 32516: return "asterisk";
    default: return {};
    }
}

HICON share(const std::string& name, const std::function<IconImage()>& draw) {
    auto& icons = shared();
    std::lock_guard lock(icons.mutex);
    if (auto it = icons.byName.find(name); it != icons.byName.end()) {
        return it->second;
    }
    HICON handle = table().add(std::make_shared<Icon>(Icon{draw(), name}));
    icons.byName.emplace(name, handle);
    return handle;
}

} // namespace

const Icon* findIcon(HICON handle) { return table().find(handle).get(); }

} // namespace platform

using namespace platform;

HICON WINAPI LoadIconA(HINSTANCE hInstance, LPCSTR lpIconName) {
    WORD id = 0;
    if (IS_INTRESOURCE(lpIconName)) {
        id = LOWORD(reinterpret_cast<ULONG_PTR>(lpIconName));
    } else if (lpIconName != nullptr && lpIconName[0] == '#') {
        id = static_cast<WORD>(std::atoi(lpIconName + 1));
    } else {
        return fail<HICON>(ERROR_RESOURCE_NAME_NOT_FOUND);
    }
    int size = GetSystemMetrics(SM_CXICON);
    if (hInstance == nullptr) {
        std::string name = systemIconName(id);
        if (name.empty()) {
            return fail<HICON>(ERROR_RESOURCE_NAME_NOT_FOUND);
        }
        return share(name, [&] { return systemIconImage(name, size); });
    }
    if (hInstance != programModule()) {
        return fail<HICON>(ERROR_RESOURCE_NAME_NOT_FOUND);
    }
    const auto* images = findIconResource(id);
    if (images == nullptr || images->empty()) {
        return fail<HICON>(ERROR_RESOURCE_NAME_NOT_FOUND);
    }
    // LoadIcon yields the image of the system's standard icon size, or the nearest larger one.
    const IconImage* chosen = &images->front();
    for (const auto& image : *images) {
        if (image.width >= size) {
            chosen = &image;
        }
    }
    return share("#" + std::to_string(id), [&] { return *chosen; });
}
