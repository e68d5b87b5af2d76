#include "tests/display/PanelOnTerminal.h"

#include "platform/display/terminal/ScreenGeometry.h"
#include "platform/win/Dialogs.h"
#include "platform/win/Input.h"
#include "platform/win/Win32.h"
#include "ui/AboutTemplate.h"
#include "ui/PanelTemplate.h"

namespace terminaltest {
namespace {

using namespace platform::terminal;

constexpr int tuningId = 1033;
constexpr int minimizeId = 1000;
constexpr UINT aboutCommand = 16;

INT_PTR CALLBACK aboutProcedure(HWND box, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) {
        platform::centreWindow(box, GetWindow(box, GW_OWNER)); // as the framework centres it
        return TRUE;
    }
    if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        EndDialog(box, LOWORD(wParam));
        return TRUE;
    }
    return FALSE;
}

INT_PTR CALLBACK panelProcedure(HWND panel, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* log = reinterpret_cast<PanelLog*>(GetWindowLongPtrA(panel, DWLP_USER));
    HMODULE module = GetModuleHandleA(nullptr);
    switch (message) {
    case WM_INITDIALOG: {
        SetWindowLongPtrA(panel, DWLP_USER, lParam);
        HICON icon = LoadIconA(module, MAKEINTRESOURCEA(128));
        SendMessageA(panel, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
        SendMessageA(panel, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
        HMENU menu = GetSystemMenu(panel, FALSE);
        AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
        AppendMenuA(menu, MF_STRING, aboutCommand, "&About Skarvel...");
        for (int id : {1003, 1010, 1014, 1019, 1022, 1028, 1043, 1029}) {
            SendDlgItemMessageA(panel, id, BM_SETCHECK, BST_CHECKED, 0);
        }
        SetWindowTextA(GetDlgItem(panel, 1032), "593000");
        return TRUE;
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            // The window thread goes on until the test ends, so that it can still be asked.
            log->endedWith = LOWORD(wParam);
            DestroyWindow(panel);
        } else if (LOWORD(wParam) == tuningId) {
            MessageBoxA(panel, "Please enter an integer.", "Skarvel", MB_OK | MB_ICONEXCLAMATION);
        } else if (LOWORD(wParam) == minimizeId) {
            ShowWindow(panel, SW_MINIMIZE);
        }
        return TRUE;
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == aboutCommand) {
            auto bytes = platform::writeDialogTemplate(aboutTemplate());
            DialogBoxIndirectParamA(module, reinterpret_cast<LPCDLGTEMPLATEA>(bytes.data()), panel,
                                    aboutProcedure, 0);
            return TRUE;
        }
        return FALSE;
    case WM_PAINT:
        if (IsIconic(panel)) {
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(panel, &paint);
            DrawIcon(dc, 2, 2, LoadIconA(module, MAKEINTRESOURCEA(128)));
            EndPaint(panel, &paint);
            return TRUE;
        }
        return FALSE;
    default:
        (void)lParam;
        return FALSE;
    }
}

} // namespace

PanelOnTerminal::PanelOnTerminal() {
    h.display().setMetrics(metricsFor(80, 24));
    h.start([this] {
        auto bytes = platform::writeDialogTemplate(panelTemplate());
        panel = CreateDialogIndirectParamA(GetModuleHandleA(nullptr),
                                           reinterpret_cast<LPCDLGTEMPLATEA>(bytes.data()), nullptr,
                                           panelProcedure, reinterpret_cast<LPARAM>(&log));
        platform::centreWindow(panel, nullptr);
        ShowWindow(panel, SW_SHOW);
        MSG msg;
        while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
            if (!IsWindow(panel) || !IsDialogMessageA(panel, &msg)) {
                TranslateMessage(&msg);
                DispatchMessageA(&msg);
            }
        }
        if (IsWindow(panel)) {
            DestroyWindow(panel);
        }
        return 0;
    });
}

PanelOnTerminal::~PanelOnTerminal() = default;

Picture PanelOnTerminal::paint(int columns, int rows) {
    return h.onWindowThread([&] { return painter_.paint(columns, rows); });
}

std::vector<std::string> PanelOnTerminal::screen(int columns, int rows) {
    return paint(columns, rows).canvas.lines();
}

POINT PanelOnTerminal::find(std::string_view text) {
    // Rows hold UTF-8 line drawing; count columns as characters, not bytes.
    auto lines = screen();
    for (size_t row = 0; row < lines.size(); ++row) {
        auto at = lines[row].find(text);
        if (at != std::string::npos) {
            LONG col = 0;
            for (size_t i = 0; i < at; ++i) {
                col += (static_cast<unsigned char>(lines[row][i]) & 0xC0) != 0x80 ? 1 : 0;
            }
            return {col, static_cast<LONG>(row)};
        }
    }
    ADD_FAILURE() << "\"" << text << "\" is not on the screen";
    return {-1, -1};
}

std::string PanelOnTerminal::textAt(const Picture& picture, POINT cell, int width) {
    Canvas part(width, 1);
    for (int i = 0; i < width; ++i) {
        part.put(i, 0, picture.canvas.at(cell.x + i, cell.y).ch, Role::Window);
    }
    return part.rowText(0);
}

bool PanelOnTerminal::allDrawnAs(const Picture& picture, POINT cell, int width, Role role) {
    for (int i = 0; i < width; ++i) {
        if (picture.canvas.at(cell.x + i, cell.y).role != role) {
            return false;
        }
    }
    return true;
}

void PanelOnTerminal::deliver(const TerminalEvent& event) {
    h.onWindowThread([&] {
        Picture shown = painter_.paint(80, 24);
        dispatcher_.deliver(event, shown.hits, platform::inputRouter());
    });
    h.waitIdle();
}

void PanelOnTerminal::clickCell(POINT cell) {
    deliver(MouseEvent{true, cell.x, cell.y});
    deliver(MouseEvent{false, cell.x, cell.y});
}

void PanelOnTerminal::click(std::string_view text) {
    clickCell(find(text));
}

void PanelOnTerminal::key(UINT virtualKey, platform::Modifiers modifiers) {
    deliver(KeyEvent{virtualKey, modifiers});
}

void PanelOnTerminal::deliverText(std::string_view text) {
    for (char ch : text) {
        deliver(CharEvent{static_cast<unsigned char>(ch), {}});
    }
}

void PanelOnTerminal::deliverMouse(const MouseEvent& mouse) {
    deliver(mouse);
}

void PanelOnTerminal::closeKey() {
    deliver(CloseEvent{});
}

HWND PanelOnTerminal::item(int id) {
    return h.onWindowThread([&] { return GetDlgItem(panel, id); });
}

std::string PanelOnTerminal::activeCaption() {
    return h.text(h.activeWindow());
}

} // namespace terminaltest
