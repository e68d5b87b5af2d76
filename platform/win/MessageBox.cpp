// Message boxes: a small modal dialog with an icon, the text and its buttons.

#include "platform/win/Constants.h"
#include "platform/win/DialogTemplate.h"
#include "platform/win/Dialogs.h"
#include "platform/win/Messages.h"
#include "platform/win/Styles.h"
#include "platform/win/User32.h"

#include <algorithm>
#include <sstream>

using namespace platform;

namespace {

constexpr int charWidthUnits = 4; // an average character is four horizontal dialog units
constexpr int lineUnits = 8;
constexpr int buttonWidth = 50;
constexpr int buttonHeight = 14;
constexpr int gap = 7;
constexpr int iconUnits = 21;

struct Button {
    int id;
    const char* caption;
};

std::vector<Button> buttonsFor(UINT type) {
    switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL: return {{IDOK, "OK"}, {IDCANCEL, "Cancel"}};
    case MB_YESNO: return {{IDYES, "&Yes"}, {IDNO, "&No"}};
    default: return {{IDOK, "OK"}};
    }
}

std::optional<WORD> iconFor(UINT type) {
    switch (type & MB_ICONMASK) {
    case MB_ICONHAND: return 32513;
    case MB_ICONQUESTION: return 32514;
    case MB_ICONEXCLAMATION: return 32515;
    case MB_ICONASTERISK: return 32516;
    default: return std::nullopt;
    }
}

DialogTemplateData layout(const std::string& text, const std::string& caption, UINT type) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    size_t widest = 0;
    for (const auto& line : lines) {
        widest = std::max(widest, line.size());
    }
    auto icon = iconFor(type);
    auto buttons = buttonsFor(type);
    int textLeft = gap + (icon ? iconUnits + gap : 0);
    int textWidth = std::max<int>(static_cast<int>(widest) * charWidthUnits, 8);
    int textHeight = std::max<int>(static_cast<int>(lines.size()), 1) * lineUnits;
    int bodyHeight = std::max(textHeight, icon ? iconUnits : 0);
    int buttonsWidth = static_cast<int>(buttons.size()) * (buttonWidth + gap) - gap;
    int width = std::max(textLeft + textWidth + gap, buttonsWidth + 2 * gap);
    int height = gap + bodyHeight + gap + buttonHeight + gap;

    DialogTemplateData dialog;
    dialog.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;
    dialog.cx = static_cast<short>(width);
    dialog.cy = static_cast<short>(height);
    dialog.caption = caption;
    if (icon) {
        dialog.items.push_back({WS_VISIBLE | SS_ICON, 0, gap, gap, iconUnits, iconUnits, 0xFFFF, "Static", "", icon});
    }
    int textTop = gap + (bodyHeight - textHeight) / 2;
    dialog.items.push_back({WS_VISIBLE | SS_LEFT | SS_NOPREFIX, 0, static_cast<short>(textLeft),
                            static_cast<short>(textTop), static_cast<short>(textWidth),
                            static_cast<short>(textHeight), 0xFFFF, "Static", text, {}});
    int left = (width - buttonsWidth) / 2;
    for (size_t i = 0; i < buttons.size(); ++i) {
        DWORD style = WS_VISIBLE | WS_TABSTOP | (i == 0 ? (BS_DEFPUSHBUTTON | WS_GROUP) : BS_PUSHBUTTON);
        dialog.items.push_back({style, 0, static_cast<short>(left + static_cast<int>(i) * (buttonWidth + gap)),
                                static_cast<short>(height - gap - buttonHeight), buttonWidth, buttonHeight,
                                static_cast<WORD>(buttons[i].id), "Button", buttons[i].caption, {}});
    }
    return dialog;
}

INT_PTR CALLBACK messageBoxProcedure(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(box, DWLP_USER, lParam);
        centreWindow(box, GetWindow(box, GW_OWNER));
        return TRUE;
    }
    if (message == WM_COMMAND) {
        int id = LOWORD(wParam);
        UINT type = static_cast<UINT>(GetWindowLongPtrA(box, DWLP_USER));
        if (id == IDCANCEL && GetDlgItem(box, IDCANCEL) == nullptr) {
            // Esc or the close box: a box with only OK answers OK; a Yes/No box must be answered.
            if ((type & MB_TYPEMASK) != MB_OK) {
                return TRUE;
            }
            id = IDOK;
        }
        EndDialog(box, id);
        return TRUE;
    }
    return FALSE;
}

} // namespace

int WINAPI MessageBoxA(HWND hWnd, LPCSTR lpText, LPCSTR lpCaption, UINT uType) {
    auto bytes = writeDialogTemplate(layout(lpText != nullptr ? lpText : "",
                                            lpCaption != nullptr ? lpCaption : "Error", uType));
    INT_PTR result = DialogBoxIndirectParamA(nullptr, reinterpret_cast<LPCDLGTEMPLATEA>(bytes.data()),
                                             hWnd, messageBoxProcedure, static_cast<LPARAM>(uType));
    return result <= 0 ? 0 : static_cast<int>(result);
}

BOOL WINAPI MessageBeep(UINT) { return TRUE; }
