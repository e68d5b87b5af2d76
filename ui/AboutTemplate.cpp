#include "ui/AboutTemplate.h"

#include "platform/win/Constants.h"
#include "platform/win/Styles.h"
#include "ui/ResourceIds.h"

namespace {

platform::DialogItem item(const char* windowClass, DWORD style, const char* caption, WORD id,
                          short x, short y, short cx, short cy) {
    return {WS_CHILD | WS_VISIBLE | style, 0, x, y, cx, cy, id, windowClass, caption, {}};
}

} // namespace

platform::DialogTemplateData aboutTemplate() {
    constexpr WORD noId = 0xFFFF;

    // The box is not visible in its template: the platform shows it once its modal loop has
    // nothing waiting, so that it appears fully set up.
    platform::DialogTemplateData about;
    about.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;
    about.x = 0;
    about.y = 0;
    about.cx = 235;
    about.cy = 55;
    about.caption = "About Skarvel";
    about.pointSize = 8;
    about.faceName = "MS Sans Serif";

    // The icon control names icon resource 128 by number where other controls have a caption.
    platform::DialogItem icon = item("Static", SS_ICON, "", noId, 11, 17, 20, 20);
    icon.titleOrdinal = static_cast<WORD>(resource::appIcon);
    about.items = {
        icon,
        item("Static", SS_LEFT | SS_NOPREFIX | WS_GROUP, "Skarvel Version 1.0", noId, 40, 10, 119,
             8),
        item("Static", SS_LEFT | WS_GROUP, "DVB-T receiver card test bench", noId, 40, 25, 119, 8),
        item("Button", BS_DEFPUSHBUTTON | WS_GROUP | WS_TABSTOP, "OK", IDOK, 178, 7, 50, 14),
    };
    return about;
}
