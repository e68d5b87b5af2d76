#pragma once
// The program's resources: dialog templates, strings and icons, as a resource compiler would
// have bound them into the executable. A resource script registers them when the process
// starts; FindResourceA, LoadStringA and LoadIconA read them back.

#include "platform/win/Types.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// One picture of an icon: a palette index (0 to 15) per pixel, rows from the top.
struct IconImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels;
};

// Builds an image from rows of hexadecimal digits, one digit (a palette index) per pixel.
IconImage iconImageFromRows(std::initializer_list<std::string_view> rows);

// The 16 colours of every icon, as 0xRRGGBB: black, dark red, dark green, olive, dark blue,
// purple, teal, silver, grey, red, green, yellow, blue, magenta, cyan, white.
extern const std::uint32_t iconPalette[16];

void addDialogResource(WORD id, std::vector<BYTE> templateBytes);
void addStringResource(UINT id, std::string text);
void addIconResource(WORD id, std::vector<IconImage> images);

// Icon images of a resource, largest first; empty when there is none.
const std::vector<IconImage>* findIconResource(WORD id);

// Runs a registration function once while static objects are made, the way a resource
// script's contents are simply there when the program starts.
struct ResourceScript {
    explicit ResourceScript(const std::function<void()>& registerResources) { registerResources(); }
};

// The executable's module handle and file name; tests may give the program another name.
HMODULE programModule();
void setModulePath(std::string path);
std::string modulePath();

} // namespace platform
