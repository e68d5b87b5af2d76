#pragma once
// Dialog templates in the binary form that dialog creation reads from memory: a DLGTEMPLATE
// header with the menu, class, caption and font, then one DLGITEMTEMPLATE per control, each on
// a four-byte boundary, with 16-bit strings or 0xFFFF-prefixed ordinals.

#include "platform/win/Types.h"

#include <optional>
#include <string>
#include <vector>

namespace platform {

struct DialogItem {
    DWORD style = 0;
    DWORD exStyle = 0;
    short x = 0;
    short y = 0;
    short cx = 0;
    short cy = 0;
    WORD id = 0xFFFF;     // 0xFFFF is "no id"
    std::string windowClass; // "Button", "Edit" and "Static" are stored as their atoms
    std::string title;
    std::optional<WORD> titleOrdinal; // a resource number in place of a title (icon statics)
};

struct DialogTemplateData {
    DWORD style = 0;
    DWORD exStyle = 0;
    short x = 0;
    short y = 0;
    short cx = 0;
    short cy = 0;
    std::string caption;
    WORD pointSize = 8;       // read and written when the style has DS_SETFONT
    std::string faceName = "MS Sans Serif";
    std::vector<DialogItem> items;
};

std::vector<BYTE> writeDialogTemplate(const DialogTemplateData& dialog);
// Reads a template back; nothing when it uses a form that this platform does not take (an
// extended template, a menu, a class of its own) or is cut short.
std::optional<DialogTemplateData> readDialogTemplate(const void* bytes, size_t size = 0x10000);

} // namespace platform
