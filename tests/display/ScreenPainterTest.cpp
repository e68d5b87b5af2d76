#include "platform/display/terminal/ScreenGeometry.h"
#include "platform/display/terminal/ScreenPainter.h"
#include "platform/win/Dialogs.h"
#include "platform/win/Win32.h"
#include "tests/support/Harness.h"
#include "ui/PanelTemplate.h"

#include <gtest/gtest.h>
#include <iostream>

using namespace platform::terminal;

namespace {

INT_PTR CALLBACK panelProcedure(HWND dialog, UINT message, WPARAM, LPARAM) {
    if (message == WM_INITDIALOG) {
        return TRUE;
    }
    if (message == WM_APP) {
        MessageBoxA(dialog, "Please enter an integer.", "Skarvel", MB_OK | MB_ICONEXCLAMATION);
        return TRUE;
    }
    return FALSE;
}

} // namespace

TEST(ScreenPainter, Print) {
    harness::Harness h;
    h.display().setMetrics(metricsFor(80, 24));
    HWND panel = nullptr;
    h.start([&] {
        auto bytes = platform::writeDialogTemplate(panelTemplate());
        HMODULE module = GetModuleHandleA(nullptr);
        panel = CreateDialogIndirectParamA(module, reinterpret_cast<LPCDLGTEMPLATEA>(bytes.data()), nullptr,
                                           panelProcedure, 0);
        platform::centreWindow(panel, nullptr);
        HICON icon = LoadIconA(module, MAKEINTRESOURCEA(128));
        SendMessageA(panel, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
        SendMessageA(panel, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
        HMENU menu = GetSystemMenu(panel, FALSE);
        AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
        AppendMenuA(menu, MF_STRING, 16, "&About Skarvel...");
        ShowWindow(panel, SW_SHOW);
        MSG msg;
        while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
            if (!IsDialogMessageA(panel, &msg)) {
                TranslateMessage(&msg);
                DispatchMessageA(&msg);
            }
        }
        DestroyWindow(panel);
        return 0;
    });
    ScreenPainter painter("Skarvel");
    auto show = [&] {
        auto lines = h.onWindowThread([&] { return painter.paint(80, 24).canvas.lines(); });
        for (auto& l : lines) std::cout << l << "\n";
    };
    show();
    h.onWindowThread([&] { PostMessageA(panel, WM_APP, 0, 0); });
    h.waitIdle();
    show();
    h.press(VK_RETURN);
    h.press(VK_SPACE, {false, false, true});
    show();
    h.press(VK_ESCAPE);
    h.press(VK_ESCAPE);
}
